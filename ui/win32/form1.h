#ifndef PIRUMO_WIN32_FORM1_H
#define PIRUMO_WIN32_FORM1_H

#include "calculator.h"
#include "dpicalls.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

// PIRUMO's only window on Windows, built from the system's own controls. It
// turns key presses and clicks into calls on the calculator and carries out
// the calculator's window operations.
class Form1 : private pirumo::Window
{
public:
    // A test passes fewer calls to see the window as older Windows show it.
    explicit Form1(DpiCalls calls = DpiCalls::lookedUp()) : dpiCalls(calls) {}
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    // Builds the window and its controls, runs start-up and shows it.
    bool create(HINSTANCE instance, int showCommand);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    void buildControls();
    void buildToolbar();
    // Sizes and places everything for the window's current DPI, the window
    // itself at the rectangle Windows suggests when there is one.
    void layout(const RECT *suggested = nullptr);
    void loadSmallIcon();
    void loadFonts();
    void loadPictures();
    void onToolbarCommand(int command);
    void moveFocus(HWND from, bool backwards);
    // Says what could not be opened, and which DLL and function were missing.
    void tellSystemPartMissing(std::string_view what, std::string_view part);
    void initialiseCom();

    // pirumo::Window
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

    pirumo::Calculator calc{*this};

    HINSTANCE instance = nullptr;
    HWND hwnd = nullptr;  // the window itself
    HWND Toolbar1 = nullptr;
    HWND DownCmd = nullptr;
    HWND UpCmd = nullptr;
    HWND Text1Name = nullptr;  // a static text that names Text1 to screen readers
    HWND Text1 = nullptr;
    HWND Label2 = nullptr;
    HWND Label1 = nullptr;

    const DpiCalls dpiCalls;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    HFONT entryFont = nullptr;
    HFONT checkFont = nullptr;
    HIMAGELIST toolbarImages = nullptr;
    HIMAGELIST toolbarGreyedImages = nullptr;  // for the disabled save button, where not masked
    HICON smallIcon = nullptr;
    bool comInitialised = false;
    bool text1Described = false;
    HBITMAP upPicture = nullptr;
    HBITMAP downPicture = nullptr;
    HBRUSH labelBrush = CreateSolidBrush(RGB(255, 255, 255));
    HWND focusWhenInactive = nullptr;
};

#endif
