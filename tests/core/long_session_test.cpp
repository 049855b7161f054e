#include "../fuzz/event_player.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

// Long random sessions: every key, click, paste and save outcome in any
// order, with every invariant checked after every event.
TEST(LongSession, KeepsEveryInvariantThroughRandomEvents)
{
    for (unsigned seed : {1U, 2U, 3U, 4U}) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> events(400000);
        for (auto &byte : events)
            byte = static_cast<std::uint8_t>(random());
        EventPlayer player;
        EXPECT_EQ(player.play(events.data(), events.size()), "") << "seed " << seed;
    }
}

TEST(LongSession, RecordingAllDayStaysConsistent)
{
    // log on, then type, Enter and step, over and over
    std::vector<std::uint8_t> events;
    events.insert(events.end(), {3, 0});
    for (int i = 0; i < 6000; ++i)
        events.insert(events.end(), {6, std::uint8_t(i % 4), 6, 6, 7, 1, 6, 2});
    EventPlayer player;
    EXPECT_EQ(player.play(events.data(), events.size()), "");
    // Switching on records the empty line; then each round finishes one number:
    // "0" the first time, "159" (check "7") the last.
    const pirumo::State &st = player.session().state();
    EXPECT_EQ(st.tctr, 6001);
    EXPECT_EQ(st.tr_text.substr(0, 6), "\r\n00\r\n");
    EXPECT_EQ(st.tr_text.substr(st.tr_text.size() - 6), "1597\r\n");
}
