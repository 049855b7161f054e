#include "fake_window.h"

#include <gtest/gtest.h>

using namespace pirumo;

TEST(Toolbar, EndEndsTheProgramWithoutWritingAnything)
{
    Session s;
    s.click("log");
    s.type("5");
    s.enter();
    s.click("end");
    EXPECT_TRUE(s.win.ended);
    EXPECT_TRUE(s.win.files.empty());
}

TEST(Toolbar, UnknownKeysDoNothing)
{
    Session s;
    s.type("5");
    for (const char *key : {"", "LOG", "Save", "end ", "quit", "ヘルプ"})
        s.click(key);
    EXPECT_FALSE(s.win.ended);
    EXPECT_TRUE(s.win.helpOpened.empty());
    EXPECT_EQ(s.state().t1, "5");
    EXPECT_EQ(s.state().tr_flg, kFalse);
}

TEST(Toolbar, CommandsReturnTheFocusButHelpAndEndDoNot)
{
    for (const char *key : {"log", "copy", "paste"}) {
        Session s;
        const int before = s.win.focusCount;
        s.click(key);
        EXPECT_GT(s.win.focusCount, before) << key;
    }
    {
        Session s;
        s.click("log");
        s.win.saveAnswers.push_back(std::nullopt);
        const int before = s.win.focusCount;
        s.click("save");
        EXPECT_GT(s.win.focusCount, before) << "save";
    }
    for (const char *key : {"help", "end"}) {
        Session s;
        const int before = s.win.focusCount;
        s.click(key);
        EXPECT_EQ(s.win.focusCount, before) << key;
    }
}

TEST(Help, OpensTheFileBesideTheExecutable)
{
    Session s;
    s.click("help");
    ASSERT_EQ(s.win.helpOpened.size(), 1U);
    EXPECT_EQ(s.win.helpOpened[0], std::string("/opt/pirumo") + kPathSeparator + "pirumo.hlp");
}

struct HelpPath
{
    const char *folder;
    char separator;
    const char *file;
};

std::ostream &operator<<(std::ostream &os, const HelpPath &h) { return os << h.file; }

class HelpFile : public testing::TestWithParam<HelpPath> {};

TEST_P(HelpFile, GetsExactlyOneSeparator)
{
    EXPECT_EQ(help_file_path(GetParam().folder, GetParam().separator), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Folders, HelpFile, testing::Values(
    HelpPath{"C:\\", '\\', "C:\\pirumo.hlp"}, HelpPath{"C:\\Tools", '\\', "C:\\Tools\\pirumo.hlp"},
    HelpPath{"/", '/', "/pirumo.hlp"}, HelpPath{"/opt/pirumo", '/', "/opt/pirumo/pirumo.hlp"},
    HelpPath{"/usr/lib/pirumo/", '/', "/usr/lib/pirumo/pirumo.hlp"}));
