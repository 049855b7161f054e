#include "fake_window.h"

#include <gtest/gtest.h>

using namespace pirumo;

struct Step
{
    const char *before;
    bool up;
    const char *after;
    const char *check;  // of after, worked out by hand
};

std::ostream &operator<<(std::ostream &os, const Step &s)
{
    return os << '"' << s.before << (s.up ? "\" up -> \"" : "\" down -> \"") << s.after << '"';
}

class Stepping : public testing::TestWithParam<Step> {};

TEST_P(Stepping, KeepsTheWidthAndStaysInRange)
{
    Session s;
    s.type(GetParam().before);
    GetParam().up ? s.up() : s.down();
    EXPECT_EQ(s.state().t1, GetParam().after);
    const std::string after = GetParam().after;
    EXPECT_EQ(s.win.entryLabel, std::string(12 - after.size(), ' ') + after);
    EXPECT_EQ(s.win.check, GetParam().check);
    EXPECT_EQ(s.state().in_flg, kFalse);
}

INSTANTIATE_TEST_SUITE_P(Widths, Stepping, testing::Values(
    Step{"0099", true, "0100", "7"}, Step{"0100", false, "0099", "X"}, Step{"1000", false, "0999", "7"},
    Step{"999", true, "1000", "6"}, Step{"", true, "1", "9"}, Step{"", false, "0", "0"},
    Step{"999999999999", true, "999999999999", "4"}, Step{"0000", false, "0000", "0"},
    Step{"000000000000", true, "000000000001", "9"}));

// Twelve digits pass 2^31 and 2^32: a 32-bit integer would wrap, a float
// would round.
INSTANTIATE_TEST_SUITE_P(ExactAtTwelveDigits, Stepping, testing::Values(
    Step{"999999999998", true, "999999999999", "4"}, Step{"2147483647", true, "2147483648", "8"},
    Step{"4294967296", false, "4294967295", "7"}, Step{"16777217", false, "16777216", "3"},
    Step{"123456789013", false, "123456789012", "0"}, Step{"100000000000", false, "099999999999", "0"}));

TEST(SteppingTheKeys, UpAndDownArrowsStepLikeTheButtons)
{
    Session s;
    s.type("41");
    s.key(kUp);
    EXPECT_EQ(s.state().t1, "42");
    s.key(kDown);
    s.key(kDown);
    EXPECT_EQ(s.state().t1, "40");
}

TEST(SteppingAfterEnter, StartsFromTheEmptyEntry)
{
    Session up, down;
    for (Session *s : {&up, &down}) {
        s->type("57");
        s->enter();
    }
    up.up();
    down.down();
    EXPECT_EQ(up.state().t1, "1");
    EXPECT_EQ(down.state().t1, "0");
}

TEST(SteppingWhileRecording, RecordsTheTypedEntryThenTheNewOne)
{
    Session s;
    s.click("log");
    s.type("5");
    s.up();
    EXPECT_EQ(s.state().tr_text, "\r\n51\r\n6X\r\n");
    EXPECT_EQ(s.win.caption, "3件記録");
    EXPECT_TRUE(s.win.saveEnabled);
}

TEST(SteppingWhileRecording, AtTheLimitRecordsTheUnchangedNumberAgain)
{
    Session s;
    s.type("999999999999");
    s.enter();
    s.type("999999999999");
    s.click("log");
    s.up();
    s.up();
    EXPECT_EQ(s.state().tr_text, "9999999999994\r\n9999999999994\r\n9999999999994\r\n");
}

TEST(SteppingWithoutRecording, RecordsNothing)
{
    Session s;
    s.type("5");
    s.up();
    s.down();
    EXPECT_EQ(s.state().tctr, 0);
    EXPECT_FALSE(s.win.saveEnabled);
}
