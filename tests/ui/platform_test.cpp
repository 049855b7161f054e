#include "helpviewer.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
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
    onNextModal([fileName](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            chooseFile(dialog, fileName);
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
        onNextModal([&offered](QWidget *modal) {
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                offered = dialog->selectedFiles().value(0);
                static_cast<QDialog *>(dialog)->accept();
            }
        });
        w.click("save");
        QCOMPARE(offered, path);
        QCOMPARE(contents(path), QByteArray("0\r\n"));
    }

    void saveAsListsEveryFileAndSpeaksJapanese()
    {
        QTemporaryDir dir;
        for (const char *name : {"kiroku", "a.txt"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ShownWindow w;
        w.click("log");
        QStringList listed, buttons;
        QString filter;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog)
                return;
            dialog->setDirectory(dir.path());
            auto *list = dialog->findChild<QListView *>(QStringLiteral("listView"));
            (void)QTest::qWaitFor([list] { return list->model()->rowCount(list->rootIndex()) >= 2; }, 5000);
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
            filter = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                buttons << button->text();
            dialog->reject();
        });
        w.click("save");
        listed.sort();
        QCOMPARE(listed, QStringList({QStringLiteral("a.txt"), QStringLiteral("kiroku")}));
        QCOMPARE(filter, QStringLiteral("すべてのファイル (*.*)"));
        QVERIFY2(buttons.filter(QStringLiteral("キャンセル")).size() == 1, qPrintable(buttons.join(u'|')));
    }

    // What Orca says after each key: with_screen_reader.sh.
    void toolButtonsAreNamedByTheirToolTips()
    {
        ShownWindow w;
        QCOMPARE(QAccessible::queryAccessibleInterface(w.toolButton("save"))->text(QAccessible::Name),
                 QStringLiteral("名前を付けて保存"));
    }

    void helpOpensTheFileBesideTheProgramAtItsContents()
    {
        const QString helpFile = QDir(QCoreApplication::applicationDirPath()).filePath("pirumo.hlp");
        QFile::remove(helpFile);
        QVERIFY(QFile::copy(QStringLiteral(PIRUMO_HELP_FILE), helpFile));
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
