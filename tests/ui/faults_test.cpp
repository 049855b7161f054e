#include "window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Files this process holds open inside folder.
QStringList openFilesIn(const QString &folder)
{
    QStringList open;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
        if (target.startsWith(folder + QLatin1Char('/')))
            open << target;
    }
    return open;
}

// Picks fileName in the next Save-As dialog (cancels it when empty, or when
// the dialog stays open, having opened a folder given as the name) and
// dismisses a message box that follows, remembering its text.
void answerDialogs(const QString &fileName, QString *told)
{
    onNextModal([fileName, told](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (!fileName.isEmpty())
                chooseFile(dialog, fileName);
            if (dialog->isVisible())
                dialog->reject();
        }
        onNextModal([told](QWidget *next) {
            if (auto *box = qobject_cast<QMessageBox *>(next)) {
                *told = box->text();
                box->accept();
            }
        }, QDeadlineTimer(500));
    });
}

const QByteArray kLog("\r\n140\r\n6X\r\n");

// A window recording three lines.
void recordThreeLines(ShownWindow &w)
{
    w.click("log");
    w.type("14");
    w.key(Qt::Key_Return);
    w.type("6");
    w.key(Qt::Key_Return);
}

QByteArray copiedLog(ShownWindow &w)
{
    w.click("copy");
    return QGuiApplication::clipboard()->text().toLatin1();
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveLosesNothing_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("reported");
        const QString full = qEnvironmentVariable("PIRUMO_FULL_DIR");
        const QString readOnly = qEnvironmentVariable("PIRUMO_READONLY_DIR");
        QTest::newRow("cancel") << QString() << QString() << false;
        // The dialog opens a folder given as the name; the user then cancels.
        QTest::newRow("existing folder") << QString() << QStringLiteral("folder") << false;
        QTest::newRow("missing folder") << QString() << QStringLiteral("missing/log.txt") << true;
        QTest::newRow("full disk, existing file") << full << QStringLiteral("keep.txt") << true;
        QTest::newRow("full disk, new file") << full << QStringLiteral("new.txt") << true;
        QTest::newRow("read-only folder, existing file") << readOnly << QStringLiteral("keep.txt") << true;
        QTest::newRow("read-only folder, new file") << readOnly << QStringLiteral("new.txt") << true;
    }
    void failedSaveLosesNothing()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(bool, reported);
        QTemporaryDir scratch;
        if (QByteArray(QTest::currentDataTag()).contains("disk") || QByteArray(QTest::currentDataTag()).contains("read-only")) {
            if (folder.isEmpty())
                QSKIP("needs run_isolated.sh (a private mount namespace)");
        } else {
            folder = scratch.path();
            QVERIFY(QDir(folder).mkdir(QStringLiteral("folder")));
        }
        const QString target = name.isEmpty() ? QString() : QDir(folder).filePath(name);
        const QStringList before = entries(folder);
        const QByteArray existing = contents(QDir(folder).filePath(QStringLiteral("keep.txt")));

        ShownWindow w;
        recordThreeLines(w);
        QString told;
        answerDialogs(target, &told);
        w.click("save");

        QCOMPARE(w.form->windowTitle(), QStringLiteral("3件記録"));
        QVERIFY(w.toolButton("save")->isEnabled());
        QCOMPARE(copiedLog(w), kLog);
        QCOMPARE(entries(folder), before);
        QCOMPARE(contents(QDir(folder).filePath(QStringLiteral("keep.txt"))), existing);
        QCOMPARE(openFilesIn(folder), QStringList());
        QCOMPARE(!told.isEmpty(), reported);  // a failed write is reported, a cancel is not

        // The same log then saves whole to a good place.
        const QString good = scratch.filePath(QStringLiteral("good.txt"));
        answerDialogs(good, &told);
        w.click("save");
        QCOMPARE(contents(good), kLog);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QVERIFY(!w.toolButton("save")->isEnabled());
    }

    void aTypedNameWithAQuoteSavesUnderExactlyThatName()
    {
        QTemporaryDir scratch;
        ShownWindow w;
        recordThreeLines(w);
        onNextModal([&scratch](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(scratch.path());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("q\"uote.txt"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        w.click("save");
        QCOMPARE(entries(scratch.path()), QStringList(QStringLiteral("q\"uote.txt")));
        QCOMPARE(contents(scratch.filePath(QStringLiteral("q\"uote.txt"))), kLog);
    }

    void fullLogRefusesTheNextLineAndSavesEveryOne()
    {
        ShownWindow w;
        w.click("log");
        for (int i = 1; i < 32767; ++i)
            w.key(Qt::Key_Return);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("32767件記録"));
        QString told;
        answerDialogs(QString(), &told);
        w.key(Qt::Key_Return);
        QVERIFY(told.contains(QStringLiteral("32767")));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QVERIFY(w.toolButton("save")->isEnabled());

        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("full.txt"));
        answerDialogs(path, &told);
        w.click("save");
        const QByteArray saved = contents(path);
        QCOMPARE(saved.count("\r\n"), 32767);
        QCOMPARE(saved, QByteArray("\r\n") + QByteArray("0\r\n").repeated(32766));
        w.click("log");
        QCOMPARE(w.form->windowTitle(), QStringLiteral("1件記録"));
    }

    void oddClipboardContentsPasteSafely_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("entry");
        QTest::newRow("no digits") << QStringLiteral("電話番号なし") << QString();
        QTest::newRow("full-width digits") << QStringLiteral("０１２３ 45") << QStringLiteral("45");
        QTest::newRow("other Unicode digits") << QStringLiteral("٣٤ ३४ 7") << QStringLiteral("7");
        QTest::newRow("emoji and controls") << QStringLiteral("😀1\u00002\t3\u001b4\u202e5") << QStringLiteral("12345");
        QTest::newRow("twelve digits") << QStringLiteral("123456789012") << QStringLiteral("12345678901");
        QTest::newRow("empty") << QString() << QString();
    }
    void oddClipboardContentsPasteSafely()
    {
        QFETCH(QString, text);
        QFETCH(QString, entry);
        ShownWindow w;
        w.type("99");
        QGuiApplication::clipboard()->setText(text);
        w.click("paste");
        QCOMPARE(w.entryLabel()->text().trimmed(), entry);
        QCOMPARE(w.entryLabel()->text().size(), 12);
    }

    void fiftyMegabytesOnTheClipboard()
    {
        ShownWindow w;
        QString text(50 << 20, QLatin1Char('-'));
        text.append(QStringLiteral("0312345678"));
        QGuiApplication::clipboard()->setText(text);
        w.click("paste");
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("  0312345678"));
    }

    void aClipboardHoldingOnlyAnImage()
    {
        ShownWindow w;
        w.type("5");
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(image);
        w.click("paste");
        QCOMPARE(w.entryLabel()->text(), QString(12, QLatin1Char(' ')));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
