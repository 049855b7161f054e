#include "fake_window.h"

#include <gtest/gtest.h>

using namespace pirumo;

TEST(Recording, SwitchedOnAtStartAppendsAnEmptyLine)
{
    Session s;
    s.click("log");
    EXPECT_EQ(s.state().tr_text, "\r\n");
    EXPECT_EQ(s.win.caption, "1件記録");
    EXPECT_TRUE(s.win.saveEnabled);
    EXPECT_EQ(s.state().tr_flg, kTrue);
}

TEST(Recording, SwitchingOnTakesTheCheckCharacterShownNotARecomputedOne)
{
    Session s;
    s.type("12");
    s.enter();
    s.click("log");
    EXPECT_EQ(s.state().tr_text, "4\r\n");
}

TEST(Recording, SwitchingOnFinishesATypedEntry)
{
    Session s;
    s.type("123");
    s.click("log");
    s.enter();
    EXPECT_EQ(s.state().tr_text, "1236\r\n1236\r\n");
}

TEST(Recording, TypingGoesOnWithTheSameEntryAfterSwitchingOn)
{
    Session s;
    s.type("12");
    s.click("log");
    s.type("3");
    s.enter();
    EXPECT_EQ(s.state().tr_text, "124\r\n1236\r\n");
}

TEST(Recording, OnAndOffKeepsTheLogAndTheCount)
{
    Session s;
    s.click("log");
    s.click("log");
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_EQ(s.state().tctr, 1);
    EXPECT_TRUE(s.win.saveEnabled);
    s.click("log");
    EXPECT_EQ(s.win.caption, "2件記録");
}

TEST(Recording, TypingAloneAppendsNothing)
{
    Session s;
    s.click("log");
    s.type("1234");
    s.key(kBackspace);
    EXPECT_EQ(s.state().tctr, 1);
}

TEST(Recording, CaptionCountsEveryLine)
{
    Session s;
    s.click("log");
    s.type("1");
    s.enter();
    s.type("2");
    s.enter();
    EXPECT_EQ(s.win.caption, "3件記録");
    for (int i = 0; i < 997; ++i)
        s.enter();
    EXPECT_EQ(s.win.caption, "1000件記録");
}

// The count is 16-bit: the log must refuse the 32768th line rather than wrap.
class FullLog : public testing::Test
{
protected:
    void SetUp() override
    {
        s.click("log");
        while (s.state().tctr < kMaxRecords)
            s.enter();
        ASSERT_TRUE(s.win.told.empty());
    }
    Session s;
};

TEST_F(FullLog, RefusesTheNextLineStopsRecordingAndSaysSo)
{
    const std::string log = s.state().tr_text;
    s.enter();
    EXPECT_EQ(s.state().tctr, kMaxRecords);
    EXPECT_EQ(s.state().tr_text, log);
    EXPECT_EQ(s.state().tr_flg, kFalse);
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_TRUE(s.win.saveEnabled);
    ASSERT_EQ(s.win.told.size(), 1U);
    EXPECT_EQ(s.win.told[0], "記録が上限の32767件に達しました。これ以上は記録できません。保存してください。");
}

TEST(FullLogRefuses, EveryWayOfAppending)
{
    const std::pair<const char *, void (*)(Session &)> ways[] = {
        {"Enter", [](Session &s) { s.enter(); }},
        {"step up", [](Session &s) { s.up(); }},
        {"step down", [](Session &s) { s.down(); }},
        {"typed, then stepped", [](Session &s) { s.type("5"); s.up(); }},
        {"paste", [](Session &s) { s.paste("7"); }},
        {"typed, then pasted", [](Session &s) { s.type("5"); s.paste("7"); }},
    };
    for (const auto &[way, append] : ways) {
        Session s;
        s.click("log");
        while (s.state().tctr < kMaxRecords)
            s.enter();
        const std::string log = s.state().tr_text;
        append(s);
        EXPECT_EQ(s.state().tr_text, log) << way;
        EXPECT_EQ(s.state().tr_flg, kFalse) << way;
        EXPECT_EQ(s.win.caption, "PIRUMO") << way;
        EXPECT_EQ(s.win.told.size(), 1U) << way;
        s.click("log");  // switching on again is refused too
        EXPECT_EQ(s.state().tr_text, log) << way;
        EXPECT_EQ(s.win.told.size(), 2U) << way;
    }
}

TEST_F(FullLog, StillCopiesAndSavesEveryLineThenRecordsAgain)
{
    s.enter();
    s.click("copy");
    EXPECT_EQ(s.win.clipboard, "0");  // recording is off now: the entry and its check
    s.click("log");                   // refused, stays off
    s.win.saveAnswers.push_back("/tmp/full.txt");
    s.click("save");
    const std::string &saved = s.win.files.at("/tmp/full.txt");
    EXPECT_EQ(saved.size(), 3 * std::size_t(kMaxRecords) - 1);  // "\r\n", then "0\r\n" lines
    EXPECT_EQ(s.state().tctr, 0);
    s.click("log");
    EXPECT_EQ(s.state().tr_flg, kTrue);
    EXPECT_EQ(s.win.caption, "1件記録");
}
