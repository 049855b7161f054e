#ifndef PIRUMO_TESTS_EVENT_PLAYER_H
#define PIRUMO_TESTS_EVENT_PLAYER_H

#include "../core/fake_window.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Turns bytes into what a user can do to the window, one event at a time,
// and checks after each event what must always hold. Used by the fuzzer and
// by the long-session test.
class EventPlayer
{
public:
    // Plays every event in data; returns a description of the first broken
    // invariant, or an empty string.
    std::string play(const std::uint8_t *data, std::size_t size)
    {
        pos = data;
        end = data + size;
        while (pos < end) {
            playOne();
            std::string broken = brokenInvariant();
            if (!broken.empty())
                return broken;
        }
        return {};
    }

    const Session &session() const { return s; }

private:
    std::uint8_t next() { return pos < end ? *pos++ : 0; }

    void playOne()
    {
        static const char *const toolbarKeys[] = {"log", "save", "copy", "paste", "help", "end", "", "LOG"};
        static const pirumo::KeyCode usualKeys[] = {
            '0', '1', '5', '9', 96, 105, pirumo::kReturn, pirumo::kBackspace, pirumo::kSpace,
            pirumo::kUp, pirumo::kDown, 'A', 112, pirumo::kNoKey, 106, 47};
        const std::uint8_t op = next();
        switch (op % 8) {
        case 0: {  // any 16-bit key code with any shift state
            const auto code = static_cast<pirumo::KeyCode>(next() | next() << 8);
            s.calc.Text1_keyDown(code, static_cast<std::int16_t>(next() & 7));
            break;
        }
        case 1:
            s.up();
            break;
        case 2:
            s.down();
            break;
        case 3:
            s.click(toolbarKeys[next() % 8]);
            break;
        case 4: {  // paste a short text
            std::string text;
            for (std::uint8_t n = next() % 32; n > 0 && pos < end; --n)
                text += static_cast<char>(next());
            s.win.clipboardBusy = next() % 4 == 0;  // now and then held by another program
            s.paste(text);
            s.win.clipboardBusy = false;
            break;
        }
        case 5: {  // save, answered by a cancel, a failed write or a file
            const std::uint8_t outcome = next() % 3;
            s.win.writeOutcome = outcome == 1 ? pirumo::SaveOutcome::Failed : pirumo::SaveOutcome::Saved;
            s.win.saveAnswers.clear();
            s.win.saveAnswers.push_back(outcome == 0 ? std::nullopt : std::optional<std::string>("log.txt"));
            const std::string logBefore = s.state().tr_text;
            s.click("save");
            if (outcome == 2 && s.win.files["log.txt"] != logBefore)
                savedWrongly = true;
            break;
        }
        default:  // the keys that do something, most often
            s.key(usualKeys[next() % 16]);
            break;
        }
    }

    std::string brokenInvariant() const
    {
        const pirumo::State &st = s.state();
        const FakeWindow &w = s.win;
        std::size_t lines = 0;
        for (std::size_t i = st.tr_text.find("\r\n"); i != std::string::npos; i = st.tr_text.find("\r\n", i + 2))
            ++lines;
        if (st.tctr < 0 || static_cast<std::size_t>(st.tctr) != lines)
            return "the count differs from the lines in the log";
        if (w.saveEnabled != (st.tctr != 0))
            return "the save button does not follow the count";
        if (st.t1.size() > pirumo::kEntryWidth || st.t1.find_first_not_of("0123456789") != std::string::npos)
            return "the entry is not 0 to 12 digits";
        if (!w.entryLabel.empty()) {
            if (w.entryLabel.size() != pirumo::kEntryWidth
                || w.entryLabel.compare(w.entryLabel.size() - st.t1.size(), st.t1.size(), st.t1) != 0)
                return "the entry label is not twelve characters ending in the entry";
            const std::size_t digits = w.entryLabel.find_first_not_of(' ');
            const std::string shown = digits == std::string::npos ? "" : w.entryLabel.substr(digits);
            if (w.check != std::string(1, pirumo::check_character(shown)))
                return "the check label does not belong to the number shown";
        }
        const std::string counted = std::to_string(st.tctr) + "件記録";
        if (w.caption != (st.tr_flg ? counted : std::string("PIRUMO")))
            return "the caption does not match recording and the count";
        if (savedWrongly)
            return "a save wrote something other than the log";
        return {};
    }

    Session s;
    const std::uint8_t *pos = nullptr;
    const std::uint8_t *end = nullptr;
    bool savedWrongly = false;
};

#endif
