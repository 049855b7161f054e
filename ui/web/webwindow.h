#ifndef PIRUMO_WEB_WEBWINDOW_H
#define PIRUMO_WEB_WEBWINDOW_H

#include "window.h"

// The calculator's window in a web page: every operation is a call into the
// page's script (page.js). The clipboard and the save picker are asynchronous
// in a browser; those calls suspend the calculator until the browser answers
// and then resume it where it stopped, so the calculator's procedures stay
// as they are in the desktop windows.
class WebWindow : public pirumo::Window
{
public:
    void setEntryLabel(const std::string &text) override;
    void setCheckLabel(const std::string &text) override;
    std::string checkLabel() const override;
    void setCaption(const std::string &text) override;
    void setSaveEnabled(bool enabled) override;
    void focusText1() override;
    void announce(const std::string &text) override;
    void clearText1() override;

    bool setClipboardText(const std::string &text) override;
    std::optional<std::string> clipboardText() override;

    std::optional<std::string> askSaveFileName(const std::string &offered) override;
    pirumo::SaveResult writeFile(const std::string &path, const std::string &text) override;

    void openHelp(const std::string &file) override;
    std::string executableFolder() const override;
    char pathSeparator() const override;

    void tell(const std::string &message) override;
    void endProgram() override;

private:
    // The labels as last set: the page never changes them behind our back.
    std::string label1;
    std::string label2;
    std::string text1Value;  // what Text1's value says now
};

#endif
