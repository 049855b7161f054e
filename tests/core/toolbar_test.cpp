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
    for (const char *key : {"log", "save", "copy", "paste", "help", "end"}) {
        Session s;
        s.type("5");
        s.enter();
        s.click("log");
        s.win.saveAnswers.push_back(std::nullopt);
        s.click(key);
        const bool leftAlone = std::string(key) == "help" || std::string(key) == "end";
        EXPECT_EQ(s.win.focus, leftAlone ? "Toolbar1" : "Text1") << key;
    }
}

TEST(Stepping, ReturnsTheFocusFromTheButton)
{
    Session s;
    s.up();
    EXPECT_EQ(s.win.focus, "Text1");
    s.down();
    EXPECT_EQ(s.win.focus, "Text1");
}

TEST(Help, OpensTheFileBesideTheExecutable)
{
    Session s;
    s.click("help");
    ASSERT_EQ(s.win.helpOpened.size(), 1U);
    EXPECT_EQ(s.win.helpOpened[0], "/opt/pirumo/pirumo.hlp");
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
