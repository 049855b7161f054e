#include "form1.h"

#include "bitmaps.h"
#include "clipboard.h"
#include "helpcopy.h"
#include "labelfont.h"
#include "savefile.h"
#include "screenreaders.h"
#include "systemfunction.h"
#include "widetext.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <objbase.h>
#include <shellapi.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kClassName[] = L"PIRUMO.Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// The core's key codes are Windows' virtual-key codes, so a key press goes to
// the calculator as it comes.
static_assert(pirumo::kBackspace == VK_BACK && pirumo::kReturn == VK_RETURN && pirumo::kSpace == VK_SPACE
              && pirumo::kUp == VK_UP && pirumo::kDown == VK_DOWN && pirumo::kDigit0 == '0'
              && pirumo::kDigit9 == '9' && pirumo::kNumpad0 == VK_NUMPAD0 && pirumo::kNumpad9 == VK_NUMPAD9
              && pirumo::kF1 == VK_F1 && pirumo::kF2 == VK_F2);

constexpr int kFirstCommand = 100;  // the command of toolbar button i is kFirstCommand + i

int atDpi(int pixelsAt96, UINT dpi)
{
    return pirumo::atDpi(pixelsAt96, static_cast<int>(dpi));
}

pirumo::PixelRect toPixels(const pirumo::Twips &twips, UINT dpi)
{
    return pirumo::toPixels(twips, static_cast<int>(dpi));
}

void place(HWND control, const pirumo::Twips &twips, UINT dpi)
{
    const pirumo::PixelRect r = toPixels(twips, dpi);
    SetWindowPos(control, nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int16_t shiftState()
{
    return static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? pirumo::kShiftBit : 0)
                                     | (GetKeyState(VK_CONTROL) < 0 ? pirumo::kCtrlBit : 0)
                                     | (GetKeyState(VK_MENU) < 0 ? pirumo::kAltBit : 0));
}

HWND createControl(HWND parent, const wchar_t *className, DWORD style, const wchar_t *name)
{
    HWND control = CreateWindowExW(0, className, L"", kChild | style, 0, 0, 0, 0, parent, nullptr,
                                   nullptr, nullptr);
    SetWindowTextW(control, name);
    return control;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

Form1::~Form1()
{
    if (hwnd)
        DestroyWindow(hwnd);
    for (HGDIOBJ object : {HGDIOBJ(entryFont), HGDIOBJ(checkFont), HGDIOBJ(upPicture),
                           HGDIOBJ(downPicture), HGDIOBJ(labelBrush)})
        if (object)
            DeleteObject(object);
    for (HIMAGELIST list : {toolbarImages, toolbarGreyedImages})
        if (list)
            ImageList_Destroy(list);
    if (smallIcon)
        DestroyIcon(smallIcon);
}

bool Form1::create(HINSTANCE programInstance, int showCommand)
{
    instance = programInstance;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    // Once per process; a second window (in the tests) finds it there.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;

    const std::wstring caption = widen(pirumo::kProductName);
    if (!CreateWindowExW(0, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this))
        return false;
    dpi = dpiCalls.forWindow(hwnd);
    // The class's small icon is at the system's DPI; the window's own from
    // the first frame, on a monitor of another scale too.
    loadSmallIcon();

    buildControls();
    buildToolbar();
    layout();
    calc.Form_Load();
    ShowWindow(hwnd, showCommand);
    SetFocus(Text1);
    return true;
}

void Form1::buildControls()
{
    // Front to back: each new child goes below those made before it.
    DownCmd = createControl(hwnd, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
                            widen(pirumo::kDownCmdName).c_str());
    UpCmd = createControl(hwnd, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
                          widen(pirumo::kUpCmdName).c_str());
    // A screen reader names an edit control after the static text made just
    // before it, as in a dialog; this one is never seen.
    Text1Name = createControl(hwnd, WC_STATICW, SS_NOPREFIX, widen(pirumo::kText1Name).c_str());
    // The key catcher, hidden behind the toolbar. It is no place to compose
    // text, so no input method takes its keys away. Its text, which nobody
    // types, is the number and its check character for screen readers.
    Text1 = createControl(hwnd, WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, L"");
    ImmAssociateContextEx(Text1, nullptr, 0);
    Label2 = createControl(hwnd, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"");
    Label1 = createControl(hwnd, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, L"");

    for (HWND control : {Text1, UpCmd, DownCmd})
        SetWindowSubclass(control, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Form1::buildToolbar()
{
    // On top of everything; sized and placed by layout(), never by itself.
    Toolbar1 = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               kChild | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE
                                   | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 0, 0, hwnd, nullptr, instance, nullptr);
    SetWindowPos(Toolbar1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(Toolbar1, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);

    std::vector<TBBUTTON> buttons;
    for (int i = 0; i < static_cast<int>(std::size(pirumo::kToolbarButtons)); ++i) {
        TBBUTTON button = {};
        button.iBitmap = i;
        button.idCommand = kFirstCommand + i;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
        // The click hands the calculator the key read from the button.
        button.dwData = reinterpret_cast<DWORD_PTR>(&pirumo::kToolbarButtons[i]);
        button.iString = -1;
        buttons.push_back(button);
    }
    SendMessageW(Toolbar1, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void Form1::layout(const RECT *suggested)
{
    // Fonts are chosen at the first text rather than at start-up, where
    // trying the faces costs several milliseconds; a new DPI chooses anew.
    if (entryFont)
        loadFonts();
    loadPictures();

    SendMessageW(Toolbar1, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(atDpi(pirumo::kToolButtonWidth, dpi), atDpi(pirumo::kToolButtonHeight, dpi)));
    place(Toolbar1, pirumo::kToolbar, dpi);
    place(DownCmd, pirumo::kDownCmd, dpi);
    place(UpCmd, pirumo::kUpCmd, dpi);
    place(Text1Name, pirumo::kText1, dpi);
    place(Text1, pirumo::kText1, dpi);
    place(Label2, pirumo::kLabel2, dpi);
    place(Label1, pirumo::kLabel1, dpi);

    const pirumo::PixelRect client = toPixels(pirumo::kClient, dpi);
    const RECT frame = dpiCalls.windowRect({client.left, client.top, client.right, client.bottom}, kStyle, dpi);
    // Moved and sized in one step to where Windows suggests, so that the
    // window never straddles two monitors on the way.
    if (suggested)
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::loadSmallIcon()
{
    // The title bar's icon at this monitor's size, drawn from the icon file's
    // nearest size rather than stretched.
    HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               dpiCalls.systemMetric(SM_CXSMICON, dpi),
                                               dpiCalls.systemMetric(SM_CYSMICON, dpi), 0));
    if (!icon)
        return;
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (smallIcon)
        DestroyIcon(smallIcon);
    smallIcon = icon;
}

void Form1::loadFonts()
{
    HFONT oldEntry = entryFont;
    HFONT oldCheck = checkFont;
    const int smallest = atDpi(pirumo::kSmallestLabelFont, dpi);
    const pirumo::PixelRect entry = toPixels(pirumo::kLabel1, dpi);
    const pirumo::PixelRect check = toPixels(pirumo::kLabel2, dpi);
    entryFont = labelFont(atDpi(pirumo::kEntryFontPixels, dpi), smallest, FW_NORMAL, widen(pirumo::kEntrySample),
                          {entry.width(), entry.height()});
    checkFont = labelFont(atDpi(pirumo::kCheckFontPixels, dpi), smallest, FW_BOLD, widen(pirumo::kCheckSample),
                          {check.width(), check.height()});
    SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(entryFont), TRUE);
    SendMessageW(Label2, WM_SETFONT, reinterpret_cast<WPARAM>(checkFont), TRUE);
    if (oldEntry)
        DeleteObject(oldEntry);
    if (oldCheck)
        DeleteObject(oldCheck);
}

void Form1::loadPictures()
{
    // At 100 % the drawings themselves, masked on silver, which the toolbar
    // greys itself for a disabled button; at any other scale smooth pictures
    // with an alpha channel, free of silver fringes, and greyed ones beside them.
    const int image = atDpi(pirumo::kToolPicture, dpi);
    const bool masked = dpi == USER_DEFAULT_SCREEN_DPI;
    const int count = static_cast<int>(std::size(pirumo::kToolbarButtons));
    HIMAGELIST images = ImageList_Create(image, image, masked ? ILC_COLOR24 | ILC_MASK : ILC_COLOR32, count, 0);
    HIMAGELIST greyed = masked ? nullptr : ImageList_Create(image, image, ILC_COLOR32, count, 0);
    for (const pirumo::ToolbarButton &button : pirumo::kToolbarButtons) {
        if (masked) {
            HBITMAP picture = toolbarBitmap(button.key, image);
            if (keepsItsBackground(button.key))
                ImageList_Add(images, picture, nullptr);
            else
                ImageList_AddMasked(images, picture, maskColour());
            DeleteObject(picture);
            continue;
        }
        const PicturePixels pixels = toolbarPicture(button.key, image);
        for (auto [list, picture] : {std::pair{images, alphaBitmap(pixels)},
                                     std::pair{greyed, alphaBitmap(greyedPicture(pixels))}}) {
            ImageList_Add(list, picture, nullptr);
            DeleteObject(picture);
        }
    }
    SendMessageW(Toolbar1, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(Toolbar1, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(greyed));
    for (HIMAGELIST old : {toolbarImages, toolbarGreyedImages})
        if (old)
            ImageList_Destroy(old);
    toolbarImages = images;
    toolbarGreyedImages = greyed;

    // Unscaled and centred: the small buttons show the middle, where the arrow is.
    const int step = atDpi(pirumo::kStepPicture, dpi);
    for (auto [button, bitmap, name] : {std::tuple{UpCmd, &upPicture, "up"},
                                        std::tuple{DownCmd, &downPicture, "down"}}) {
        HBITMAP old = *bitmap;
        *bitmap = pictureBitmap(name, step, step);
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(*bitmap));
        if (old)
            DeleteObject(old);
    }
}

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Form1 *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->hwnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Form1 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd = nullptr;
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const auto from = reinterpret_cast<HWND>(lParam);
            if (from == UpCmd)
                calc.UpCmd_click();
            else if (from == DownCmd)
                calc.DownCmd_click();
            else if (from == Toolbar1)
                onToolbarCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto *header = reinterpret_cast<NMHDR *>(lParam);
        const auto index = static_cast<std::size_t>(header->idFrom - kFirstCommand);
        if (header->code == TTN_GETDISPINFOW && index < std::size(pirumo::kToolbarButtons)) {
            auto *info = reinterpret_cast<NMTTDISPINFOW *>(lParam);
            lstrcpynW(info->szText, widen(pirumo::kToolbarButtons[index].toolTip).c_str(),
                      static_cast<int>(std::size(info->szText)));
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        // White labels with black text, whatever colours the desktop uses.
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == Label1 || control == Label2) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(labelBrush);
        }
        break;
    }
    case WM_DPICHANGED: {
        dpi = HIWORD(wParam);
        layout(reinterpret_cast<const RECT *>(lParam));
        loadSmallIcon();
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            focusWhenInactive = GetFocus();
        break;
    case WM_SETFOCUS:
        // Back to where the keyboard was when the user switched away.
        SetFocus(focusWhenInactive && IsChild(hwnd, focusWhenInactive) ? focusWhenInactive : Text1);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Form1::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self)
{
    return reinterpret_cast<Form1 *>(self)->onControlMessage(control, message, wParam, lParam);
}

LRESULT Form1::onControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            moveFocus(control, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        if (control == Text1) {
            calc.Text1_keyDown(static_cast<pirumo::KeyCode>(wParam), shiftState());
            return 0;
        }
        break;
    case WM_CHAR:
    case WM_DEADCHAR:
        // Nothing is ever typed into Text1, and no key makes it beep.
        if (control == Text1 || wParam == L'\t')
            return 0;
        break;
    case WM_GETOBJECT:
        // The first screen reader to ask learns what Text1 is for; without
        // one, COM is never loaded at start-up.
        if (control == Text1 && !text1Described) {
            text1Described = true;
            initialiseCom();
            describeToScreenReaders(Text1, widen(pirumo::kText1Description));
        }
        break;
    case WM_CONTEXTMENU:
        // The menu key and Shift+F10 would open the key catcher's edit menu.
        if (control == Text1)
            return 0;
        break;
    case WM_SYSCHAR:
        // Alt+letter finds no menu and would beep; Alt+Space still opens the window menu.
        if (wParam != L' ')
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, controlProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void Form1::moveFocus(HWND from, bool backwards)
{
    const HWND order[] = {Text1, UpCmd, DownCmd};
    const std::size_t count = std::size(order);
    std::size_t at = 0;
    while (at < count && order[at] != from)
        ++at;
    SetFocus(order[(at + (backwards ? count - 1 : 1)) % count]);
}

void Form1::onToolbarCommand(int command)
{
    const auto index = SendMessageW(Toolbar1, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
    TBBUTTON button = {};
    if (index >= 0 && SendMessageW(Toolbar1, TB_GETBUTTON, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&button)))
        calc.Toolbar1_ButtonClick(reinterpret_cast<const pirumo::ToolbarButton *>(button.dwData)->key);
}

void Form1::setEntryLabel(const std::string &text)
{
    if (!text.empty() && !entryFont)
        loadFonts();
    SetWindowTextW(Label1, widen(text).c_str());
}

void Form1::setCheckLabel(const std::string &text)
{
    if (!text.empty() && !entryFont)
        loadFonts();
    SetWindowTextW(Label2, widen(text).c_str());
}

std::string Form1::checkLabel() const
{
    return narrow(windowText(Label2));
}

void Form1::setCaption(const std::string &text)
{
    SetWindowTextW(hwnd, widen(text).c_str());
}

void Form1::setSaveEnabled(bool enabled)
{
    TBBUTTON button = {};
    if (SendMessageW(Toolbar1, TB_GETBUTTON, pirumo::kSaveButton, reinterpret_cast<LPARAM>(&button)))
        SendMessageW(Toolbar1, TB_ENABLEBUTTON, static_cast<WPARAM>(button.idCommand), MAKELPARAM(enabled, 0));
}

void Form1::focusText1()
{
    SetFocus(Text1);
}

void Form1::announce(const std::string &text)
{
    // Text1's value is its text. Screen readers hear of the change from the
    // event (which not every edit control raises itself: Wine's does not;
    // they take a repeated one as one); Windows 10 also says it as news.
    const std::wstring said = widen(text);
    SetWindowTextW(Text1, said.c_str());
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Text1, OBJID_CLIENT, CHILDID_SELF);
    initialiseCom();
    notifyScreenReaders(Text1, said);
}

void Form1::clearText1()
{
    // Nothing is ever typed into Text1: its text is what announce() gave it.
}

bool Form1::setClipboardText(const std::string &text)
{
    return putClipboardText(hwnd, widen(text));
}

std::optional<std::string> Form1::clipboardText()
{
    const std::optional<std::wstring> text = ::clipboardText(hwnd);
    return text ? std::optional(narrow(*text)) : std::nullopt;
}

std::optional<std::string> Form1::askSaveFileName(const std::string &offered)
{
    std::vector<wchar_t> name(32768, L'\0');  // the longest path Windows takes
    widen(offered).copy(name.data(), name.size() - 1);
    // The filter's name, then its pattern, each ending in a NUL, then one more.
    const std::wstring filter = widen(pirumo::kSaveFilterName) + std::wstring(L"\0*.*\0", 5);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 2;  // past the only filter: Windows takes the first
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    // No overwrite prompt; and the program's working folder stays where it
    // was, or Windows would refuse to eject the USB stick saved to.
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const auto getSaveFileName = systemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    if (!getSaveFileName) {
        tellSystemPartMissing(pirumo::kSaveDialogUnavailable, "comdlg32.dll (GetSaveFileNameW)");
        return std::nullopt;
    }
    if (getSaveFileName(&dialog))
        return narrow(name.data());
    // A cancel leaves no error; anything else is said, and the log stays.
    const auto extendedError = systemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (const DWORD error = extendedError ? extendedError() : 0) {
        // In hexadecimal as Windows' headers give the codes (0x3003 for a name
        // too long); written out by hand, as the C library's formatting would
        // bring its locale functions, which Windows 7's msvcrt lacks.
        std::string code = "0x";
        for (int shift = 12; shift >= 0; shift -= 4)
            code += "0123456789ABCDEF"[(error >> shift) & 0xF];
        tell(std::string(pirumo::kSaveDialogFailed) + code);
    }
    return std::nullopt;
}

pirumo::SaveResult Form1::writeFile(const std::string &path, const std::string &text)
{
    return writeWholeFile(widen(path), text);
}

void Form1::openHelp(const std::string &file)
{
    const std::wstring path = widen(file);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const std::wstring text = widen(pirumo::kHelpMissingTitle) + L"。\n\n"
            + widen(pirumo::kHelpMissingText) + L"\n" + path;
        MessageBoxW(hwnd, text.c_str(), windowText(hwnd).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    wchar_t temporary[MAX_PATH + 1] = {};
    const std::wstring shown = GetTempPathW(MAX_PATH + 1, temporary) ? helpCopy(path, temporary) : path;
    SHELLEXECUTEINFOW open = {};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_CLASSNAME | SEE_MASK_NOASYNC;
    open.hwnd = hwnd;
    open.lpVerb = L"open";
    open.lpFile = shown.c_str();
    open.lpClass = L".htm";
    open.nShow = SW_SHOWNORMAL;
    initialiseCom();
    // Windows tells the user itself when no browser is there.
    if (const auto shellExecuteEx = systemFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW"))
        shellExecuteEx(&open);
    else
        tellSystemPartMissing(pirumo::kHelpUnavailable, "shell32.dll (ShellExecuteExW)");
}

void Form1::initialiseCom()
{
    // As the shell asks of a thread that calls ShellExecuteEx, and as the
    // screen readers' calls need: once, on this thread, for the program's
    // life. Where it fails the shell still opens most files, so the help is
    // tried all the same.
    if (comInitialised)
        return;
    comInitialised = true;
    if (const auto coInitializeEx = systemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx"))
        coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

void Form1::tellSystemPartMissing(std::string_view what, std::string_view part)
{
    tell(std::string(what) + "\n\n" + std::string(pirumo::kSystemPartMissing) + std::string(part));
}

std::string Form1::executableFolder() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return narrow(path.substr(0, path.find_last_of(L'\\')));
}

char Form1::pathSeparator() const
{
    return '\\';
}

void Form1::tell(const std::string &message)
{
    MessageBoxW(hwnd, widen(message).c_str(), windowText(hwnd).c_str(), MB_OK | MB_ICONWARNING);
}

void Form1::endProgram()
{
    DestroyWindow(hwnd);
}
