#ifndef PIRUMO_TESTS_FAKE_WINDOW_H
#define PIRUMO_TESTS_FAKE_WINDOW_H

#include "calculator.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A window that only remembers what the calculator did to it.
class FakeWindow : public pirumo::Window
{
public:
    std::string entryLabel = "123456789012";  // placeholders until start-up
    std::string check = "C";
    std::string caption = "PIRUMO";
    bool saveEnabled = true;
    std::string focus = "Text1";  // the control that has the keyboard
    std::string text1 = "12345678901";  // the text box's placeholder until a key
    std::optional<std::string> clipboard;       // nothing: holds no text
    bool clipboardBusy = false;                 // another program holds it
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<std::string> offeredNames;  // what each Save-As offered
    pirumo::SaveOutcome writeOutcome = pirumo::SaveOutcome::Saved;
    std::string oldContentsAt;  // given with writeOutcome
    std::map<std::string, std::string> files;
    std::vector<std::string> helpOpened;
    std::string folder = "/opt/pirumo";
    std::vector<std::string> told;
    std::vector<std::string> announced;  // what a screen reader was given to say
    bool ended = false;

    void setEntryLabel(const std::string &text) override { entryLabel = text; }
    void setCheckLabel(const std::string &text) override { check = text; }
    std::string checkLabel() const override { return check; }
    void setCaption(const std::string &text) override { caption = text; }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void focusText1() override { focus = "Text1"; }
    void announce(const std::string &text) override { announced.push_back(text); }
    void clearText1() override { text1.clear(); }
    bool setClipboardText(const std::string &text) override
    {
        if (!clipboardBusy)
            clipboard = text;
        return !clipboardBusy;
    }
    std::optional<std::string> clipboardText() override
    {
        return clipboardBusy ? std::nullopt : std::optional(clipboard.value_or(""));
    }
    std::optional<std::string> askSaveFileName(const std::string &offered) override
    {
        offeredNames.push_back(offered);
        if (saveAnswers.empty())
            return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    pirumo::SaveResult writeFile(const std::string &path, const std::string &text) override
    {
        if (writeOutcome == pirumo::SaveOutcome::Saved)
            files[path] = text;
        return {writeOutcome, oldContentsAt};
    }
    void openHelp(const std::string &file) override { helpOpened.push_back(file); }
    std::string executableFolder() const override { return folder; }
    char pathSeparator() const override { return '/'; }
    void tell(const std::string &message) override { told.push_back(message); }
    void endProgram() override { ended = true; }
};

// A started calculator with helpers that read like what the user does.
struct Session
{
    FakeWindow win;
    pirumo::Calculator calc{win};

    Session() { calc.Form_Load(); }

    const pirumo::State &state() const { return calc.state(); }
    void key(pirumo::KeyCode code) { calc.Text1_keyDown(code, 0); }
    void type(const std::string &digits)
    {
        for (char c : digits)
            key(static_cast<pirumo::KeyCode>(c));
    }
    void enter() { key(pirumo::kReturn); }
    // A click gives the clicked control the keyboard first.
    void up()
    {
        win.focus = "UpCmd";
        calc.UpCmd_click();
    }
    void down()
    {
        win.focus = "DownCmd";
        calc.DownCmd_click();
    }
    void click(const std::string &toolbarKey)
    {
        win.focus = "Toolbar1";
        calc.Toolbar1_ButtonClick(toolbarKey);
    }
    void paste(const std::string &text)
    {
        win.clipboard = text;
        click("paste");
    }
};

#endif
