#include "helpviewer.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Picks fileName in the next Save-As dialog. (Cancels and failures: faults_test.)
void answerNextDialog(const QString &fileName)
{
    QTimer::singleShot(0, [fileName] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(fileName);
            static_cast<QDialog *>(dialog)->accept();
        } else {
            answerNextDialog(fileName);  // not shown yet
        }
    });
}

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void copyPutsTheNumberOrTheLogOnTheClipboard()
    {
        ShownWindow w;
        w.type("12345678901");
        w.click("copy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123456789016"));
        w.click("log");
        w.key(Qt::Key_Return);
        w.click("copy");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123456789016\r\n123456789016\r\n"));
    }

    void pasteTakesTheDigitsFromTheClipboard()
    {
        ShownWindow w;
        QGuiApplication::clipboard()->setText(QStringLiteral("No. ０３-1234-5678"));
        w.click("paste");
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("    12345678"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QGuiApplication::clipboard()->clear();
        w.click("paste");
        QCOMPARE(w.entryLabel()->text(), QString(12, QLatin1Char(' ')));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("0"));
    }

    void saveWritesTheChosenFileAndOffersItsNameAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("記録.txt"));
        ShownWindow w;
        w.click("log");
        w.type("14");
        w.key(Qt::Key_Return);
        answerNextDialog(path);
        w.click("save");
        QCOMPARE(contents(path), QByteArray("\r\n140\r\n"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QVERIFY(!w.toolButton("save")->isEnabled());
        QCOMPARE(w.form->focusWidget(), w.text1());  // focus comes back when the dialog goes

        // The next dialog starts on the same name; accepting it replaces the file.
        w.click("log");
        QString offered;
        QTimer::singleShot(0, [&offered] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (dialog) {
                offered = dialog->selectedFiles().value(0);
                static_cast<QDialog *>(dialog)->accept();
            }
        });
        w.click("save");
        QCOMPARE(offered, path);
        QCOMPARE(contents(path), QByteArray("0\r\n"));
    }

    void helpOpensTheFileBesideTheProgramAtItsContents()
    {
        const QString helpFile = QDir(QCoreApplication::applicationDirPath()).filePath("pirumo.hlp");
        QFile::remove(helpFile);
        QVERIFY(QFile::copy(QStringLiteral(PIRUMO_SOURCE_DIR "/res/pirumo.hlp"), helpFile));
        ShownWindow w;
        w.type("5");
        w.click("help");
        auto *viewer = w.form->findChild<HelpViewer *>();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("目次")));
        QCOMPARE(viewer->source(), QUrl::fromLocalFile(helpFile));
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("           5"));
        QFile::remove(helpFile);
    }

    void missingHelpSaysWhichFileWasLookedFor()
    {
        const QString helpFile = QDir(QCoreApplication::applicationDirPath()).filePath("pirumo.hlp");
        QFile::remove(helpFile);
        ShownWindow w;
        w.click("help");
        auto *viewer = w.form->findChild<HelpViewer *>();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("見つかりません")));
        QVERIFY(viewer->toPlainText().contains(QDir::toNativeSeparators(helpFile)));
        w.type("7");  // the program goes on
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("           7"));
    }

    void endClosesTheHelpAndLeavesTheEventLoop()
    {
        ShownWindow w;
        w.click("help");
        auto *viewer = w.form->findChild<HelpViewer *>();
        QVERIFY(viewer && viewer->isVisible());
        QEventLoop loop;
        QTimer::singleShot(0, [&w] { w.click("end"); });
        QTimer::singleShot(5000, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!viewer->isVisible());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
