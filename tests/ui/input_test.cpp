#include "window_fixture.h"

#include "keymap.h"

#include <QClipboard>
#include <QKeyEvent>

Q_DECLARE_METATYPE(KeySource)

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
        // Only the left button steps; no click leaves the keyboard stranded.
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseClick(w.control("UpCmd"), button);
            QCOMPARE(QApplication::focusWidget(), w.text1());
        }
        w.type("2");
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("      099912"));
    }

    void keysMeanTheSameOnEveryPlatform_data()
    {
        // Events as each platform delivers them: the Qt key, its modifiers,
        // the native scan code and the native virtual key.
        QTest::addColumn<KeySource>("source");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<uint>("virtualKey");
        QTest::addColumn<int>("code");
        const auto row = [](const char *name, KeySource source, int key, Qt::KeyboardModifiers modifiers,
                            uint scanCode, uint virtualKey, int code) {
            QTest::newRow(name) << source << key << modifiers << scanCode << virtualKey << code;
        };
        const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier), keypad(Qt::KeypadModifier);
        row("X11 1", KeySource::X11, Qt::Key_1, none, 10, 0x31, 49);
        row("X11 Shift+1", KeySource::X11, Qt::Key_Exclam, shift, 10, 0x21, 49);
        row("X11 AZERTY &, the 1 key", KeySource::X11, Qt::Key_Ampersand, none, 10, 0x26, 49);
        row("X11 0", KeySource::X11, Qt::Key_0, none, 19, 0x30, 48);
        row("X11 keypad 7", KeySource::X11, Qt::Key_7, keypad, 79, 0xffb7, 103);
        row("X11 Return", KeySource::X11, Qt::Key_Return, none, 36, 0xff0d, 13);
        row("Windows Shift+1", KeySource::Windows, Qt::Key_Exclam, shift, 2, 0x31, 49);
        row("Windows AZERTY &, the 1 key", KeySource::Windows, Qt::Key_Ampersand, none, 2, 0x31, 49);
        row("Windows keypad 7", KeySource::Windows, Qt::Key_7, keypad, 71, 0x67, 103);
        row("Windows Up", KeySource::Windows, Qt::Key_Up, none, 72, 0x26, 38);
        row("Windows F1, its own code", KeySource::Windows, Qt::Key_F1, none, 59, 0x70, 112);
        row("macOS Shift+1", KeySource::MacOS, Qt::Key_Exclam, shift, 0, 0x12, 49);
        row("macOS AZERTY &, the 1 key", KeySource::MacOS, Qt::Key_Ampersand, none, 0, 0x12, 49);
        row("macOS 5", KeySource::MacOS, Qt::Key_5, none, 0, 0x17, 53);
        row("macOS 0", KeySource::MacOS, Qt::Key_0, none, 0, 0x1D, 48);
        row("macOS keypad 7", KeySource::MacOS, Qt::Key_7, keypad, 0, 0x59, 103);
        row("macOS Backspace", KeySource::MacOS, Qt::Key_Backspace, none, 0, 0x33, 8);
        row("macOS A", KeySource::MacOS, Qt::Key_A, none, 0, 0x00, 0);
        row("elsewhere Shift+1 by its symbol", KeySource::Other, Qt::Key_Exclam, shift, 0, 0, 0);
        row("elsewhere keypad 7", KeySource::Other, Qt::Key_7, keypad, 0, 0, 103);
        const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
        row("X11 Ctrl+C", KeySource::X11, Qt::Key_C, ctrl, 54, 0x63, 67);
        row("X11 Ctrl+V", KeySource::X11, Qt::Key_V, ctrl, 55, 0x76, 86);
        row("X11 Ctrl+S", KeySource::X11, Qt::Key_S, ctrl, 39, 0x73, 83);
        row("X11 Shift+Insert", KeySource::X11, Qt::Key_Insert, shift, 118, 0xff63, 45);
        row("X11 F1", KeySource::X11, Qt::Key_F1, none, 67, 0xffbe, 112);
        row("X11 F2", KeySource::X11, Qt::Key_F2, none, 68, 0xffbf, 113);
    }
    void keysMeanTheSameOnEveryPlatform()
    {
        QFETCH(KeySource, source);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(uint, scanCode);
        QFETCH(uint, virtualKey);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, virtualKey, 0);
        QCOMPARE(int(virtualKeyCode(event, source)), code);
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
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Exclam, Qt::Key_F3, Qt::Key_Escape, Qt::Key_Left,
                            Qt::Key_Delete, Qt::Key_QuoteLeft, Qt::Key_Period, Qt::Key_Minus, Qt::Key_V}) {
            w.key(key);
            w.key(key, Qt::KeypadModifier);
        }
        w.key(Qt::Key_Menu);
        w.key(Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(!QApplication::activePopupWidget());  // no stray edit menu
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("          12"));
        QCOMPARE(w.checkLabel()->text(), QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget(), w.text1());
    }

    void usualKeysCopyAndPasteLikeTheToolbar()
    {
        ShownWindow w;
        w.type("6");
        w.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6X"));
        QGuiApplication::clipboard()->setText(QStringLiteral("tel 14"));
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("          14"));
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
        w.key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("           5"));
        w.key(Qt::Key_S, Qt::ControlModifier);  // nothing to save: no dialog
        QVERIFY(!QApplication::activeModalWidget());
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
