#include "fake_window.h"

#include <gtest/gtest.h>

using namespace pirumo;

class Saving : public testing::Test
{
protected:
    void SetUp() override
    {
        s.click("log");
        s.type("12345678901");
        s.enter();
        s.type("6");
        s.enter();
    }
    void expectUnchanged(const std::string &why)
    {
        EXPECT_EQ(s.state().tr_text, "\r\n123456789016\r\n6X\r\n") << why;
        EXPECT_EQ(s.state().tctr, 3) << why;
        EXPECT_EQ(s.state().tr_flg, kTrue) << why;
        EXPECT_EQ(s.win.caption, "3件記録") << why;
        EXPECT_TRUE(s.win.saveEnabled) << why;
    }
    Session s;
};

TEST_F(Saving, WritesTheLogExactlyAsKeptThenClearsIt)
{
    s.win.saveAnswers.push_back("/home/u/記録.txt");
    s.click("save");
    EXPECT_EQ(s.win.files.at("/home/u/記録.txt"), "\r\n123456789016\r\n6X\r\n");
    EXPECT_EQ(s.state().tr_flg, kFalse);
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_EQ(s.state().tr_text, "");
    EXPECT_EQ(s.state().tctr, 0);
    EXPECT_FALSE(s.win.saveEnabled);
    EXPECT_TRUE(s.win.told.empty());
}

TEST_F(Saving, OffersTheNameLastChosenEvenWhenThatSaveFailed)
{
    s.win.writeOutcome = SaveOutcome::Failed;
    s.win.saveAnswers = {"/home/u/a.txt", std::nullopt, "/home/u/b.txt"};
    s.click("save");
    s.click("save");  // cancelled: the name stays
    s.win.writeOutcome = SaveOutcome::Saved;
    s.click("save");
    s.click("log");
    s.click("save");
    EXPECT_EQ(s.win.offeredNames, (std::vector<std::string>{"", "/home/u/a.txt", "/home/u/a.txt", "/home/u/b.txt"}));
}

TEST_F(Saving, CancelChangesNothing)
{
    s.win.saveAnswers.push_back(std::nullopt);
    s.click("save");
    expectUnchanged("cancelled");
    s.win.saveAnswers.push_back("");
    s.click("save");
    expectUnchanged("empty name");
    EXPECT_TRUE(s.win.files.empty());
    EXPECT_TRUE(s.win.told.empty());
}

struct Refusal
{
    SaveOutcome outcome;
    const char *told;  // what the message names
    const char *oldContentsAt = "";
};

std::ostream &operator<<(std::ostream &os, const Refusal &r) { return os << r.told; }

class RefusedSave : public Saving, public testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusedSave, KeepsEverythingAndSaysWhy)
{
    s.win.writeOutcome = GetParam().outcome;
    s.win.oldContentsAt = GetParam().oldContentsAt;
    s.win.saveAnswers.push_back("/nowhere/log.txt");
    s.click("save");
    expectUnchanged("not saved");
    ASSERT_EQ(s.win.told.size(), 1U);
    EXPECT_NE(s.win.told[0].find(GetParam().told), std::string::npos) << s.win.told[0];
    EXPECT_NE(s.win.told[0].find("記録はそのまま残っています"), std::string::npos) << s.win.told[0];

    s.win.writeOutcome = SaveOutcome::Saved;
    s.win.oldContentsAt.clear();
    s.win.saveAnswers.push_back("/tmp/log.txt");
    s.click("save");
    EXPECT_EQ(s.win.files.at("/tmp/log.txt"), "\r\n123456789016\r\n6X\r\n");
    EXPECT_EQ(s.state().tctr, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RefusedSave,
    testing::Values(Refusal{SaveOutcome::Failed, "ファイルに保存できませんでした"},
                    Refusal{SaveOutcome::FileInUse, "使用中のファイル"},
                    Refusal{SaveOutcome::Folder, "フォルダー"},
                    Refusal{SaveOutcome::Damaged, "壊れているおそれがあります: /nowhere/log.txt"},
                    Refusal{SaveOutcome::Damaged, "元の内容は次のファイルに残っています: /nowhere/~pr0001.bak",
                            "/nowhere/~pr0001.bak"},
                    Refusal{SaveOutcome::BlockDevice, "ブロックデバイス"},
                    Refusal{SaveOutcome::Socket, "ソケット"},
                    Refusal{SaveOutcome::LinkLoop, "循環しているシンボリックリンク"},
                    Refusal{SaveOutcome::PipeWithoutReader, "読み取るプログラムのない名前付きパイプ"},
                    Refusal{SaveOutcome::Unconfirmed, "ダウンロードが済んだことを確かめられませんでした"}));

TEST_F(Saving, SavingAgainToTheSameNameReplacesTheFile)
{
    s.win.saveAnswers.push_back("/tmp/log.txt");
    s.click("save");
    s.type("5");
    s.enter();                 // recording is off after a save
    s.click("log");            // appends the check character still shown: "1"
    s.win.saveAnswers.push_back("/tmp/log.txt");
    s.click("save");
    EXPECT_EQ(s.win.files.at("/tmp/log.txt"), "1\r\n");
}

TEST(SavingWithRecordingOff, ClearsTheLogAndKeepsTheCaption)
{
    Session s;
    s.click("log");
    s.click("log");
    s.win.saveAnswers.push_back("/tmp/a.txt");
    s.click("save");
    EXPECT_EQ(s.win.files.at("/tmp/a.txt"), "\r\n");
    EXPECT_EQ(s.win.caption, "PIRUMO");
    EXPECT_EQ(s.state().tctr, 0);
    EXPECT_FALSE(s.win.saveEnabled);
}
