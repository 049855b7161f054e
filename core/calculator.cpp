#include "calculator.h"

namespace pirumo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

std::string save_problem(const SaveResult &result, std::string_view path)
{
    const SaveOutcome outcome = result.outcome;
    if (outcome == SaveOutcome::Damaged)
        return "保存に失敗し、元の内容も戻せませんでした。次のファイルが壊れているおそれがあります: "
            + std::string(path)
            + (result.oldContentsAt.empty() ? "" : "\n元の内容は次のファイルに残っています: " + result.oldContentsAt)
            + "\n記録はそのまま残っています。";
    const auto why = [outcome]() -> std::string_view {
        switch (outcome) {
        case SaveOutcome::FileInUse:
            return "ほかのプログラムが使用中のファイルには保存できません。";
        case SaveOutcome::Folder:
            return "フォルダーには保存できません。";
        case SaveOutcome::BlockDevice:
            return "ブロックデバイスには保存できません。";
        case SaveOutcome::Socket:
            return "ソケットには保存できません。";
        case SaveOutcome::LinkLoop:
            return "循環しているシンボリックリンクには保存できません。";
        case SaveOutcome::PipeWithoutReader:
            return "読み取るプログラムのない名前付きパイプには保存できません。";
        case SaveOutcome::Unconfirmed:
            return "ダウンロードが済んだことを確かめられませんでした。";
        case SaveOutcome::Saved:
        case SaveOutcome::Failed:
        case SaveOutcome::Damaged:
            break;
        }
        return "ファイルに保存できませんでした。";
    };
    return std::string(why()) + "記録はそのまま残っています。";
}

std::string help_file_path(std::string_view folder, char separator)
{
    std::string file(folder);
    if (file.empty() || file.back() != separator)
        file += separator;
    file += kHelpFileName;
    return file;
}

void Calculator::Form_Load()
{
    s.tctr = 0;
    w.setEntryLabel("");
    w.setCheckLabel("");
    s.tr_flg = kFalse;
    s.in_flg = kFalse;
    s.t1.clear();
    set_save_button();
}

void Calculator::calc_check()
{
    const char check = check_character(s.t1);
    w.setEntryLabel(entry_display(s.t1));
    w.setCheckLabel(std::string(1, check));
    w.focusText1();
    std::string spoken = spoken_entry(s.t1, check);
    if (s.tr_flg && !s.in_flg && add_record())
        spoken += std::string(kSpokenPause) + std::to_string(s.tctr) + std::string(kRecordsSuffix);
    w.announce(spoken);
}

bool Calculator::add_record()
{
    if (s.tctr == kMaxRecords) {
        stop_recording();
        std::string message(kLogFullMessage);
        message.replace(message.find("{}"), 2, std::to_string(kMaxRecords));
        w.tell(message);
        return false;
    }
    s.tr_text += s.t1;
    s.tr_text += w.checkLabel();
    s.tr_text += kLineEnd;
    ++s.tctr;
    w.setCaption(std::to_string(s.tctr) + std::string(kRecordsSuffix));
    return true;
}

void Calculator::set_save_button()
{
    w.setSaveEnabled(s.tctr != 0);
}

KeyCommand key_command(KeyCode key, std::int16_t shift)
{
    struct Row
    {
        KeyCode key;
        std::int16_t modifiers;
        KeyCommand command;
    };
    static constexpr Row kShortcuts[] = {
        {kLetterC, kCtrlBit, KeyCommand::Copy}, {kLetterV, kCtrlBit, KeyCommand::Paste},
        {kInsert, kShiftBit, KeyCommand::Paste}, {kLetterS, kCtrlBit, KeyCommand::Save},
        {kF1, 0, KeyCommand::Help}, {kF2, 0, KeyCommand::Log},
    };
    const std::int16_t modifiers = shift & (kShiftBit | kCtrlBit | kAltBit);
    for (const Row &row : kShortcuts)
        if (row.key == key && row.modifiers == modifiers)
            return row.command;
    return KeyCommand::None;
}

bool takes_key(KeyCode key, std::int16_t shift)
{
    return key_command(key, shift) != KeyCommand::None || (key >= kDigit0 && key <= kDigit9)
           || (key >= kNumpad0 && key <= kNumpad9) || key == kReturn || key == kBackspace || key == kSpace
           || key == kUp || key == kDown;
}

bool Calculator::shortcut_key(KeyCode keyascii, std::int16_t shift)
{
    switch (key_command(keyascii, shift)) {
    case KeyCommand::Copy:
        copy_clip();
        return true;
    case KeyCommand::Paste:
        paste_clip();
        return true;
    case KeyCommand::Save:
        save_log_if_enabled();
        return true;
    case KeyCommand::Help:
        show_help();
        return true;
    case KeyCommand::Log:
        toggle_log();
        return true;
    case KeyCommand::None:
        break;
    }
    return false;
}

void Calculator::Text1_keyDown(KeyCode keyascii, std::int16_t shift)
{
    w.clearText1();
    if (shortcut_key(keyascii, shift))
        return;
    if (keyascii >= kNumpad0 && keyascii <= kNumpad9)
        keyascii = static_cast<KeyCode>(keyascii - (kNumpad0 - kDigit0));

    if (keyascii == kUp) {
        UpCmd_click();
        return;
    }
    if (keyascii == kDown) {
        DownCmd_click();
        return;
    }

    if (keyascii == kReturn) {
        s.in_flg = kFalse;
        calc_check();
        // The labels keep the finished number; the next digit starts anew.
        s.t1.clear();
    } else if (keyascii >= kDigit0 && keyascii <= kDigit9) {
        if (s.t1.size() < kEntryWidth) {
            s.t1 += static_cast<char>(keyascii);
            w.setEntryLabel(entry_display(s.t1));
        }
        s.in_flg = kTrue;
        calc_check();
    } else {
        if (keyascii == kSpace) {
            stop_recording();
            s.tr_text.clear();
            s.t1.clear();
            s.tctr = 0;
            s.in_flg = kFalse;
            w.setClipboardText("");
            calc_check();
        }
        if (keyascii == kBackspace && !s.t1.empty()) {
            s.t1.pop_back();
            w.setEntryLabel(entry_display(s.t1));
            s.in_flg = kTrue;
            calc_check();
        }
    }
    set_save_button();
}

void Calculator::UpCmd_click()
{
    step(stepped_up);
}

void Calculator::DownCmd_click()
{
    step(stepped_down);
}

void Calculator::step(std::string (*stepped)(std::string_view))
{
    // A typed entry that was never finished is recorded before it changes.
    if (s.in_flg && s.tr_flg)
        add_record();
    s.t1 = stepped(s.t1);
    s.in_flg = kFalse;
    calc_check();
    w.focusText1();
    set_save_button();
}

void Calculator::toggle_log()
{
    w.focusText1();
    if (s.tr_flg) {
        stop_recording();
        w.announce(std::string(kSpokenRecordingOff));
        return;
    }
    if (!add_record())
        return;
    w.announce(std::to_string(s.tctr) + std::string(kRecordsSuffix));
    s.tr_flg = kTrue;
    s.in_flg = kFalse;
    set_save_button();
}

void Calculator::stop_recording()
{
    if (!s.tr_flg)
        return;
    w.setCaption(std::string(kProductName));
    s.tr_flg = kFalse;
    set_save_button();
}

void Calculator::save_log()
{
    w.focusText1();
    const auto name = w.askSaveFileName(s.save_name);
    if (!name || name->empty())
        return;
    s.save_name = *name;
    const SaveResult result = w.writeFile(*name, s.tr_text);
    if (result.outcome != SaveOutcome::Saved) {
        w.tell(save_problem(result, *name));
        return;
    }
    if (s.tr_flg)
        toggle_log();
    s.tr_text.clear();
    s.tctr = 0;
    set_save_button();
}

void Calculator::save_log_if_enabled()
{
    // As the save button: only with lines in the log.
    if (s.tctr != 0)
        save_log();
}

void Calculator::copy_clip()
{
    w.focusText1();
    if (!w.setClipboardText(s.tr_flg ? s.tr_text : s.t1 + w.checkLabel()))
        w.tell(std::string(kClipboardUnwritable));
}

void Calculator::paste_clip()
{
    w.focusText1();
    // A clipboard that could not be read is not an empty one: nothing changes.
    const std::optional<std::string> text = w.clipboardText();
    if (!text) {
        w.tell(std::string(kClipboardUnreadable));
        return;
    }
    const std::string kept = pasted_digits(*text);
    if (s.in_flg && s.tr_flg)
        add_record();
    s.t1 = kept;
    w.setEntryLabel(entry_display(s.t1));
    s.in_flg = kFalse;
    calc_check();
}

void Calculator::show_help()
{
    w.openHelp(help_file_path(w.executableFolder(), w.pathSeparator()));
}

void Calculator::Toolbar1_ButtonClick(std::string_view key)
{
    if (key == "log")
        toggle_log();
    else if (key == "save")
        save_log();
    else if (key == "copy")
        copy_clip();
    else if (key == "paste")
        paste_clip();
    else if (key == "help")
        show_help();
    else if (key == "end")
        w.endProgram();
}

} // namespace pirumo
