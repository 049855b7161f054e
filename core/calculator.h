#ifndef PIRUMO_CORE_CALCULATOR_H
#define PIRUMO_CORE_CALCULATOR_H

#include "entry.h"
#include "identity.h"
#include "keys.h"
#include "layout.h"
#include "texts.h"
#include "window.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pirumo {

// Flags are 16-bit, True being -1.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// The record count is 16-bit; the log refuses lines beyond this many.
inline constexpr std::int16_t kMaxRecords = 32767;

inline constexpr std::string_view kHelpFileName = "pirumo.hlp";

// The toolbar's buttons from left to right: the key a click hands to
// Toolbar1_ButtonClick, which also names the button's picture, and its
// tool-tip text.
struct ToolbarButton
{
    std::string_view key;
    std::string_view toolTip;
};
inline constexpr ToolbarButton kToolbarButtons[] = {
    {"log", "記録 on/off"}, {"save", "名前を付けて保存"}, {"copy", "コピー"},
    {"paste", "貼付け"}, {"help", "ヘルプ"}, {"end", "終了"}};
// The save button, enabled while there is a log to save, by its place.
inline constexpr std::size_t kSaveButton = 1;
static_assert(kToolbarButtons[kSaveButton].key == "save");

// What the user is told when a save did not happen: why, then that the log
// is still there. A damaged file is named by its path, and so is the file
// that holds its old contents where there is one.
std::string save_problem(const SaveResult &result, std::string_view path);

// The help file beside the executable: exactly one separator between the
// folder and the name, also when the folder is a root ("C:\", "/").
std::string help_file_path(std::string_view folder, char separator);

// The commands the keys people press at any desk give: Ctrl+C, Ctrl+V,
// Shift+Insert, Ctrl+S and F1, with exactly those modifiers; and F2, which no
// browser or desktop takes, for the toolbar's 記録 on/off.
enum class KeyCommand { None, Copy, Paste, Save, Help, Log };
KeyCommand key_command(KeyCode key, std::int16_t shift);

// Whether Text1_keyDown does anything with this key: a shortcut, a digit
// (with any modifier), Enter, BackSpace, Space or a step. A browser keeps
// every other key for itself.
bool takes_key(KeyCode key, std::int16_t shift);

struct State
{
    Flag tr_flg = kFalse;      // recording is on
    Flag in_flg = kFalse;      // the entry was edited since it was last finished
    std::string t1;            // the entry: 0 to 12 ASCII digits
    std::string tr_text;       // the record log, lines ending in CR LF
    std::int16_t tctr = 0;     // lines in the record log
    std::string save_name;     // the name last saved under, offered again
};

// The calculator behind the window: every key, click and toolbar command
// runs one of these procedures to its end, and they reach the screen only
// through the Window.
class Calculator
{
public:
    explicit Calculator(Window &window) : w(window) {}

    const State &state() const { return s; }

    void Form_Load();
    void calc_check();
    // Appends the entry and the check character shown as one record line.
    // A full log takes nothing: recording stops, the user is told, and the
    // result is false.
    bool add_record();
    void set_save_button();

    void Text1_keyDown(KeyCode keyascii, std::int16_t shift);
    void UpCmd_click();
    void DownCmd_click();

    void toggle_log();
    void save_log();
    void copy_clip();
    void paste_clip();
    void show_help();
    void Toolbar1_ButtonClick(std::string_view key);

private:
    void step(std::string (*stepped)(std::string_view));
    void save_log_if_enabled();
    // Runs the shortcut's command; false for any other key, which is left
    // to Text1_keyDown.
    bool shortcut_key(KeyCode keyascii, std::int16_t shift);
    void stop_recording();

    Window &w;
    State s;
};

} // namespace pirumo

#endif
