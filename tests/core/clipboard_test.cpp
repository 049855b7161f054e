#include "fake_window.h"

#include <gtest/gtest.h>

using namespace pirumo;

struct Paste
{
    std::string clipboard;
    std::string entry;
    const char *check;  // worked out by hand
};

std::ostream &operator<<(std::ostream &os, const Paste &p) { return os << "-> \"" << p.entry << '"'; }

class Pasting : public testing::TestWithParam<Paste> {};

TEST_P(Pasting, TakesTheFirstElevenAsciiDigits)
{
    Session s;
    s.type("77");
    s.paste(GetParam().clipboard);
    EXPECT_EQ(s.state().t1, GetParam().entry);
    EXPECT_EQ(s.win.entryLabel, std::string(12 - GetParam().entry.size(), ' ') + GetParam().entry);
    EXPECT_EQ(s.win.check, GetParam().check);
    EXPECT_EQ(s.state().in_flg, kFalse);
}

INSTANTIATE_TEST_SUITE_P(Texts, Pasting, testing::Values(
    Paste{"No. 03-1234-5678", "0312345678", "1"},
    Paste{"1234567890123", "12345678901", "6"},
    Paste{"123456789012", "12345678901", "6"},
    Paste{"no digits here", "", "0"},
    Paste{"", "", "0"},
    Paste{"\xEF\xBC\x91\xEF\xBC\x92" "3", "3", "5"},         // full-width １２ are skipped
    Paste{"\xD9\xA1\xD9\xA2 \xF0\x9F\x98\x80 4\t5\r\n6\x01", "456", "1"},  // Arabic-Indic digits, emoji
    Paste{std::string("1\0002", 3), "12", "4"}));

TEST(Pasting, FiftyMegabytesOfTextWithTheDigitsAtTheEnd)
{
    Session s;
    std::string text(50 << 20, 'x');
    text.replace(text.size() - 20, 20, "tel 0120-123-456-789");
    s.paste(text);
    EXPECT_EQ(s.state().t1, "01201234567");
}

TEST(Pasting, FromAClipboardThatCannotBeReadChangesNothingAndSaysSo)
{
    Session s;
    s.click("log");
    s.type("5");
    s.win.clipboard = "123";
    s.win.clipboardBusy = true;
    s.click("paste");
    EXPECT_EQ(s.state().t1, "5");
    EXPECT_EQ(s.state().in_flg, kTrue);
    EXPECT_EQ(s.state().tr_text, "\r\n");
    EXPECT_EQ(s.win.entryLabel, std::string(11, ' ') + "5");
    EXPECT_EQ(s.win.check, "1");
    EXPECT_EQ(s.win.caption, "1件記録");
    EXPECT_EQ(s.win.told, std::vector<std::string>{"クリップボードを読み取れませんでした。番号も記録もそのままです。"});
}

TEST(Copying, ToAClipboardThatCannotBeWrittenSaysSo)
{
    Session s;
    s.type("6");
    s.win.clipboardBusy = true;
    s.click("copy");
    EXPECT_EQ(s.win.told, std::vector<std::string>{"クリップボードに書き込めませんでした。"});
    EXPECT_EQ(s.state().t1, "6");
}

TEST(Pasting, AnEmptyClipboardEmptiesTheEntry)
{
    Session s;
    s.type("5");
    s.win.clipboard.reset();
    s.click("paste");
    EXPECT_EQ(s.state().t1, "");
    EXPECT_EQ(s.win.entryLabel, std::string(12, ' '));
    EXPECT_EQ(s.win.check, "0");
}

TEST(Pasting, WhileRecordingRecordsTheTypedEntryThenThePastedOne)
{
    Session s;
    s.click("log");
    s.type("5");
    s.paste("tel 14");
    EXPECT_EQ(s.state().tr_text, "\r\n51\r\n140\r\n");
    EXPECT_EQ(s.win.caption, "3件記録");
    s.paste("6");                     // the pasted entry is finished: only the new one
    EXPECT_EQ(s.state().tr_text, "\r\n51\r\n140\r\n6X\r\n");
}

TEST(Copying, PutsTheEntryAndItsCheckCharacter)
{
    Session s;
    s.type("6");
    s.click("copy");
    EXPECT_EQ(s.win.clipboard, "6X");
    s.key(kBackspace);
    s.type("12345678901");
    s.click("copy");
    EXPECT_EQ(s.win.clipboard, "123456789016");
}

TEST(Copying, RightAfterEnterPutsOnlyTheCheckCharacter)
{
    Session s;
    s.type("12345678901");
    s.enter();
    s.click("copy");
    EXPECT_EQ(s.win.clipboard, "6");
}

TEST(Copying, WhileRecordingPutsTheWholeLog)
{
    Session s;
    s.click("log");
    s.type("14");
    s.enter();
    s.click("copy");
    EXPECT_EQ(s.win.clipboard, "\r\n140\r\n");
}
