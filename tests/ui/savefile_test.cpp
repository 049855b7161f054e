#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class SaveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writesANewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("新しい記録.txt"));
        QVERIFY(writeWholeFile(path, "1236\r\n0\r\n"));
        QCOMPARE(contents(path), QByteArray("1236\r\n0\r\n"));
    }

    void replacesAnExistingFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        put(path, QByteArray(100000, 'x'));
        QVERIFY(writeWholeFile(path, "6X\r\n"));
        QCOMPARE(contents(path), QByteArray("6X\r\n"));
    }

    void failsAndLeavesNoTraceWhereItCannotWrite_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("a name that is a folder") << "folder";
        QTest::newRow("a folder that does not exist") << "missing/log.txt";
        QTest::newRow("an empty name") << "";
    }
    void failsAndLeavesNoTraceWhereItCannotWrite()
    {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        put(dir.filePath(QStringLiteral("keep.txt")), "kept");
        const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
        QVERIFY(!writeWholeFile(path, "51\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("folder"), QStringLiteral("keep.txt")}));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
        QCOMPARE(contents(dir.filePath(QStringLiteral("keep.txt"))), QByteArray("kept"));
    }
};

QTEST_MAIN(SaveFileTest)
#include "savefile_test.moc"
