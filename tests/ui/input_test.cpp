#include "window_fixture.h"

#include <QClipboard>

class InputTest : public QObject
{
    Q_OBJECT

private slots:
    void digitKeysBuildTheNumber_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("main keyboard") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("keypad") << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("with shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("with ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void digitKeysBuildTheNumber()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        ShownWindow w;
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3})
            w.key(key, modifiers);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("         123"));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("6"));
    }

    void enterFinishesAndTheNextDigitStartsAnew_data()
    {
        QTest::addColumn<Qt::Key>("enter");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void enterFinishesAndTheNextDigitStartsAnew()
    {
        QFETCH(Qt::Key, enter);
        ShownWindow w;
        w.click("log");
        w.type("57");
        w.key(enter);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("2件記録"));
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("          57"));
        QVERIFY(w.toolButton("save")->isEnabled());
        w.type("6");
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("           6"));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("X"));
    }

    void backspaceRemovesTheLastDigit()
    {
        ShownWindow w;
        w.type("125");
        w.key(Qt::Key_Backspace);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("          12"));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("4"));
    }

    void arrowKeysStepTheNumber()
    {
        ShownWindow w;
        w.type("0099");
        w.key(Qt::Key_Up);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("        0100"));
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("        0098"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
    }

    void stepButtonsStepAndGiveTheFocusBack()
    {
        ShownWindow w;
        w.type("999");
        QTest::mouseClick(w.control("UpCmd"), Qt::LeftButton);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("        1000"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QTest::mouseClick(w.control("DownCmd"), Qt::LeftButton);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("        0999"));
        w.type("1");  // typing goes on after a click
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("       09991"));
    }

    void spaceClearsTheLogAndTheClipboard()
    {
        ShownWindow w;
        w.click("log");
        w.type("12");
        QGuiApplication::clipboard()->setText(QStringLiteral("keep?"));
        w.key(Qt::Key_Space);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QVERIFY(!w.toolButton("save")->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QCOMPARE(w.entryLabel()->text(), QString(12, QLatin1Char(' ')));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("0"));
    }

    void otherKeysChangeNothing()
    {
        ShownWindow w;
        w.type("12");
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Exclam, Qt::Key_F1, Qt::Key_Escape, Qt::Key_Left,
                            Qt::Key_Delete, Qt::Key_QuoteLeft, Qt::Key_Period, Qt::Key_Minus}) {
            w.key(key);
            w.key(key, Qt::KeypadModifier);
        }
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("          12"));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
    }

    void logButtonSwitchesRecordingOnAndOff()
    {
        ShownWindow w;
        w.click("log");
        QCOMPARE(w.form->windowTitle(), QStringLiteral("1件記録"));
        QVERIFY(w.toolButton("save")->isEnabled());
        w.click("log");
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QVERIFY(w.toolButton("save")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w.text1());
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
