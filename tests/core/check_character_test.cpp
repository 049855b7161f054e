#include "fake_window.h"

#include <gtest/gtest.h>

using pirumo::check_character;
using pirumo::entry_display;

struct Worked
{
    const char *entry;
    char check;
};

std::ostream &operator<<(std::ostream &os, const Worked &w) { return os << '"' << w.entry << "\" -> " << w.check; }

class CheckCharacter : public testing::TestWithParam<Worked> {};

TEST_P(CheckCharacter, MatchesTheWorkedValue)
{
    EXPECT_EQ(check_character(GetParam().entry), GetParam().check) << "entry \"" << GetParam().entry << '"';
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, CheckCharacter, testing::Values(
    Worked{"", '0'}, Worked{"1", '9'}, Worked{"5", '1'}, Worked{"6", 'X'}, Worked{"14", '0'},
    Worked{"0012", '4'}, Worked{"12345678901", '6'}, Worked{"123456789012", '0'},
    Worked{"999999999999", '4'}));

INSTANTIATE_TEST_SUITE_P(RemainderOneGivesX, CheckCharacter, testing::Values(
    Worked{"6", 'X'}, Worked{"23", 'X'}, Worked{"37", 'X'}));

INSTANTIATE_TEST_SUITE_P(RemainderZeroGivesZero, CheckCharacter, testing::Values(
    Worked{"14", '0'}, Worked{"28", '0'}, Worked{"31", '0'}));

INSTANTIATE_TEST_SUITE_P(LeadingZerosChangeNothing, CheckCharacter, testing::Values(
    Worked{"12", '4'}, Worked{"0012", '4'}, Worked{"000000000012", '4'}));

TEST(EntryDisplay, RightAlignsInTwelveCharacters)
{
    EXPECT_EQ(entry_display(""), std::string(12, ' '));
    EXPECT_EQ(entry_display("4"), std::string(11, ' ') + "4");
    EXPECT_EQ(entry_display("0012"), "        0012");
    EXPECT_EQ(entry_display("123456789012"), "123456789012");
}

TEST(CalcCheck, ShowsEntryAndCheckAndReturnsFocus)
{
    Session s;
    s.type("57");
    EXPECT_EQ(s.win.entryLabel, "          57");
    EXPECT_EQ(s.win.check, "4");
    s.win.focus = "UpCmd";
    s.calc.calc_check();
    EXPECT_EQ(s.win.focus, "Text1");
}

TEST(CalcCheck, AppendsOnlyFinishedEntriesWhileRecording)
{
    Session s;
    s.click("log");
    s.type("5");                       // edited, unfinished: nothing appended
    EXPECT_EQ(s.state().tctr, 1);
    s.calc.calc_check();
    EXPECT_EQ(s.state().tctr, 1);
    s.enter();                         // finished: exactly one line per call
    EXPECT_EQ(s.state().tr_text, "\r\n51\r\n");
    s.calc.calc_check();
    EXPECT_EQ(s.state().tr_text, "\r\n51\r\n0\r\n");
}
