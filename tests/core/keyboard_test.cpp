#include "fake_window.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pirumo;

TEST(StartUp, LeavesBlankLabelsAndNothingToSave)
{
    Session s;
    EXPECT_EQ(s.win.entryLabel, "");
    EXPECT_EQ(s.win.check, "");
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_FALSE(s.win.saveEnabled);
    EXPECT_EQ(s.state().tr_flg, kFalse);
    EXPECT_EQ(s.state().in_flg, kFalse);
    EXPECT_EQ(s.state().t1, "");
    EXPECT_EQ(s.state().tctr, 0);
}

TEST(Typing, KeypadDigitsEqualMainKeyboardDigits)
{
    Session main, keypad;
    main.type("123");
    for (KeyCode k : {KeyCode(97), KeyCode(98), KeyCode(99)})
        keypad.key(k);
    EXPECT_EQ(keypad.state().t1, "123");
    EXPECT_EQ(keypad.win.entryLabel, main.win.entryLabel);
    EXPECT_EQ(keypad.win.check, "6");
}

TEST(Typing, EveryKeyEmptiesTheHiddenTextBox)
{
    for (KeyCode k : {KeyCode('1'), kReturn, kBackspace, kSpace, kUp, KeyCode('A'), KeyCode(112), kNoKey}) {
        Session s;
        ASSERT_FALSE(s.win.text1.empty());
        s.key(k);
        EXPECT_EQ(s.win.text1, "") << "key " << k;
    }
}

struct Shortcut
{
    const char *name;
    KeyCode key;
    std::int16_t shift;
    const char *does;  // what the window saw: "copied", "pasted", "asked to save", "help", or "typed"
};

std::ostream &operator<<(std::ostream &os, const Shortcut &k) { return os << k.name; }

class UsualKeys : public testing::TestWithParam<Shortcut> {};

// Recording, with "12" typed and the clipboard holding "7".
TEST_P(UsualKeys, DoWhatTheToolbarDoes)
{
    Session s;
    s.click("log");
    s.type("12");
    s.win.clipboard = "7";
    s.win.saveAnswers.push_back(std::nullopt);
    s.calc.Text1_keyDown(GetParam().key, GetParam().shift);
    std::string seen = "nothing";
    if (s.win.clipboard == "\r\n")
        seen = "copied";
    else if (s.state().t1 == "7")
        seen = "pasted";
    else if (s.win.saveAnswers.empty())
        seen = "asked to save";
    else if (!s.win.helpOpened.empty())
        seen = "help";
    else if (!s.state().tr_flg)
        seen = "stopped recording";
    else if (s.state().t1 != "12")
        seen = "typed " + s.state().t1;
    EXPECT_EQ(seen, GetParam().does);
    // What the page keeps from the browser.
    EXPECT_EQ(takes_key(GetParam().key, GetParam().shift), seen != "nothing");
}

// A browser keeps the keys that takes_key refuses (Ctrl+Shift+C is its
// inspector): none of them may do anything here.
TEST(UsualKeys, TheKeysLeftToABrowserDoNothing)
{
    const auto seen = [](const Session &s) {
        return std::tuple(s.win.entryLabel, s.win.check, s.win.caption, s.win.clipboard, s.win.saveAnswers.size(),
                          s.win.helpOpened.size(), s.win.told.size(), s.state().t1, s.state().tr_text);
    };
    for (int key = 0; key < 256; ++key)
        for (std::int16_t shift = 0; shift <= (kShiftBit | kCtrlBit | kAltBit); ++shift) {
            if (takes_key(KeyCode(key), shift))
                continue;
            Session s;
            s.click("log");
            s.type("12");
            s.win.clipboard = "7";
            s.win.saveAnswers.push_back(std::nullopt);
            const auto before = seen(s);
            s.calc.Text1_keyDown(KeyCode(key), shift);
            EXPECT_EQ(seen(s), before) << "key " << key << " with modifiers " << shift;
        }
}

INSTANTIATE_TEST_SUITE_P(Keys, UsualKeys, testing::Values(
    Shortcut{"Ctrl+C", kLetterC, kCtrlBit, "copied"}, Shortcut{"Ctrl+V", kLetterV, kCtrlBit, "pasted"},
    Shortcut{"Shift+Insert", kInsert, kShiftBit, "pasted"}, Shortcut{"Ctrl+S", kLetterS, kCtrlBit, "asked to save"},
    Shortcut{"F1", kF1, 0, "help"}, Shortcut{"Ctrl+1", KeyCode('1'), kCtrlBit, "typed 121"},
    Shortcut{"Ctrl+Numpad 3", KeyCode(kNumpad0 + 3), kCtrlBit, "typed 123"}, Shortcut{"plain C", kLetterC, 0, "nothing"},
    Shortcut{"Ctrl+Shift+C", kLetterC, kCtrlBit | kShiftBit, "nothing"},
    Shortcut{"AltGr+V", kLetterV, kCtrlBit | kAltBit, "nothing"}, Shortcut{"Insert", kInsert, 0, "nothing"},
    Shortcut{"Shift+F1", kF1, kShiftBit, "nothing"}, Shortcut{"F2", kF2, 0, "stopped recording"},
    Shortcut{"Ctrl+F2", kF2, kCtrlBit, "nothing"}));

TEST(UsualKeys, F2SwitchesRecordingOnAsTheToolbarDoes)
{
    Session s;
    s.type("57");
    s.key(kF2);
    EXPECT_EQ(s.win.caption, "1件記録");
    EXPECT_EQ(s.state().tr_text, "574\r\n");
    EXPECT_TRUE(s.win.saveEnabled);
}

TEST(UsualKeys, CtrlSDoesNothingWhileTheSaveButtonIsDisabled)
{
    Session s;
    s.type("5");
    s.win.saveAnswers.push_back("/tmp/x.txt");
    s.calc.Text1_keyDown(kLetterS, kCtrlBit);
    EXPECT_EQ(s.win.saveAnswers.size(), 1U);
    EXPECT_EQ(s.state().t1, "5");
}

TEST(Typing, ThirteenthDigitIsDroppedButMarksTheEntryEdited)
{
    Session s;
    s.type("123456789012");
    s.enter();
    s.type("123456789012");
    ASSERT_EQ(s.state().in_flg, kTrue);
    s.type("3");
    EXPECT_EQ(s.state().t1, "123456789012");
    EXPECT_EQ(s.win.entryLabel, "123456789012");
    EXPECT_EQ(s.win.check, "0");
    EXPECT_EQ(s.state().in_flg, kTrue);
}

TEST(Typing, BackspaceRemovesTheLastDigit)
{
    Session s;
    s.type("125");
    s.key(kBackspace);
    EXPECT_EQ(s.state().t1, "12");
    EXPECT_EQ(s.win.entryLabel, "          12");
    EXPECT_EQ(s.win.check, "4");
}

TEST(Typing, BackspaceOnEmptyEntryChangesNothing)
{
    Session s;
    s.type("12");
    s.enter();
    s.key(kBackspace);
    EXPECT_EQ(s.state().in_flg, kFalse);
    EXPECT_EQ(s.win.entryLabel, "          12");
    EXPECT_EQ(s.win.check, "4");
}

TEST(Typing, EnterKeepsTheLabelsAndStartsANewNumber)
{
    Session s;
    s.type("57");
    s.enter();
    EXPECT_EQ(s.state().t1, "");
    EXPECT_EQ(s.win.entryLabel, "          57");
    EXPECT_EQ(s.win.check, "4");
    s.type("6");
    EXPECT_EQ(s.win.entryLabel, "           6");
    EXPECT_EQ(s.win.check, "X");
}

TEST(Typing, OtherKeysOnlyRefreshTheSaveButton)
{
    Session s;
    s.type("12");
    const State before = s.state();
    s.win.saveEnabled = true;  // a stale state that the refresh must correct
    for (KeyCode k : {KeyCode('A'), KeyCode('Z'), KeyCode(112), KeyCode(27), KeyCode(37), KeyCode(46),
                      KeyCode(106), KeyCode(110), KeyCode(-1), KeyCode(32767), kNoKey}) {
        s.key(k);
        EXPECT_EQ(s.state().t1, before.t1) << k;
        EXPECT_EQ(s.state().in_flg, before.in_flg) << k;
        EXPECT_EQ(s.win.entryLabel, "          12") << k;
        EXPECT_FALSE(s.win.saveEnabled) << k;
    }
}

TEST(Typing, TheTypicalEventRecordsTheFinishedNumber)
{
    Session s;
    s.click("log");
    s.type("5");
    EXPECT_EQ(s.win.check, "1");
    s.type("7");
    EXPECT_EQ(s.win.check, "4");
    EXPECT_EQ(s.state().tctr, 1);
    s.enter();
    EXPECT_EQ(s.state().tr_text, "\r\n574\r\n");
    EXPECT_EQ(s.win.caption, "2件記録");
    EXPECT_TRUE(s.win.saveEnabled);
    EXPECT_EQ(s.win.entryLabel, "          57");
}

TEST(Typing, EnterOnEmptyEntryRecordsItsCheckCharacter)
{
    Session s;
    s.click("log");
    s.enter();
    s.enter();
    EXPECT_EQ(s.state().tr_text, "\r\n0\r\n0\r\n");
    EXPECT_EQ(s.win.caption, "3件記録");
}

TEST(Typing, EnterTwiceRecordsTheNumberThenZero)
{
    Session s;
    s.click("log");
    s.type("123");
    s.enter();
    s.enter();
    EXPECT_EQ(s.state().tr_text, "\r\n1236\r\n0\r\n");
}

TEST(SpaceBar, WhileRecordingClearsEverything)
{
    Session s;
    s.click("log");
    s.type("12");
    s.enter();
    s.win.clipboard = "something";
    s.key(kSpace);
    EXPECT_EQ(s.state().tr_flg, kFalse);
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_EQ(s.state().tr_text, "");
    EXPECT_EQ(s.state().tctr, 0);
    EXPECT_EQ(s.state().t1, "");
    EXPECT_EQ(s.state().in_flg, kFalse);
    EXPECT_FALSE(s.win.saveEnabled);
    EXPECT_EQ(s.win.clipboard, "");
    EXPECT_EQ(s.win.entryLabel, std::string(12, ' '));
    EXPECT_EQ(s.win.check, "0");
}

TEST(SpaceBar, WithRecordingOffClearsTheKeptLog)
{
    Session s;
    s.click("log");
    s.click("log");
    s.type("9");
    s.key(kSpace);
    EXPECT_EQ(s.state().tctr, 0);
    EXPECT_EQ(s.state().tr_text, "");
    EXPECT_EQ(s.state().t1, "");
    EXPECT_FALSE(s.win.saveEnabled);
    EXPECT_EQ(s.win.caption, "PIRUMO");
}

TEST(SteppedEntries, CountAsFinishedForEnter)
{
    Session s;
    s.type("0099");
    s.click("log");
    s.up();
    s.enter();
    EXPECT_EQ(s.state().tr_text, "0099X\r\n01007\r\n01007\r\n");
}

TEST(SteppedEntries, ADroppedDigitStillMarksTheEntryForTheNextStep)
{
    Session s;
    s.type("099999999999");
    s.click("log");
    s.up();
    ASSERT_EQ(s.state().t1, "100000000000");
    s.type("5");
    s.up();
    EXPECT_EQ(s.state().tr_text, "0999999999990\r\n1000000000009\r\n1000000000009\r\n1000000000017\r\n");
    EXPECT_EQ(s.win.caption, "4件記録");
}

struct Heard
{
    const char *what;
    void (*does)(Session &);  // after "12" was typed
    const char *said;         // the one thing a screen reader is given to say
};

std::ostream &operator<<(std::ostream &os, const Heard &h) { return os << h.what; }

class ScreenReader : public testing::TestWithParam<Heard> {};

TEST_P(ScreenReader, HearsEachChangeOnceDigitByDigit)
{
    Session s;
    s.type("12");
    s.win.announced.clear();
    GetParam().does(s);
    EXPECT_EQ(s.win.announced, std::vector<std::string>{GetParam().said});
}

INSTANTIATE_TEST_SUITE_P(
    EveryChange, ScreenReader,
    testing::Values(
        Heard{"a digit", [](Session &s) { s.type("3"); }, "1 2 3、チェック文字 6"},
        Heard{"BackSpace", [](Session &s) { s.key(kBackspace); }, "1、チェック文字 9"},
        Heard{"Enter", [](Session &s) { s.enter(); }, "1 2、チェック文字 4"},
        Heard{"Up", [](Session &s) { s.key(kUp); }, "1 3、チェック文字 2"},
        Heard{"Down", [](Session &s) { s.down(); }, "1 1、チェック文字 6"},
        Heard{"Space", [](Session &s) { s.key(kSpace); }, "番号なし、チェック文字 0"},
        Heard{"Space while recording", [](Session &s) { s.key(kF2); s.win.announced.clear(); s.key(kSpace); },
              "番号なし、チェック文字 0"},
        Heard{"a paste", [](Session &s) { s.paste("No. 0"); }, "0、チェック文字 0"},
        Heard{"recording on", [](Session &s) { s.key(kF2); }, "1件記録"},
        Heard{"a line recorded", [](Session &s) { s.click("log"); s.win.announced.clear(); s.enter(); },
              "1 2、チェック文字 4、2件記録"},
        Heard{"recording off", [](Session &s) { s.click("log"); s.win.announced.clear(); s.key(kF2); },
              "記録 off"}));
