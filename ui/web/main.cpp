// PIRUMO in a web page: the calculator behind the page's controls. page.js
// calls these functions for every event and lends the calculator its window.

#include "calculator.h"
#include "keymap.h"
#include "webwindow.h"

#include <cstddef>
#include <iterator>
#include <string_view>

#define PAGE_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

WebWindow window;
pirumo::Calculator calc(window);

// Where the page writes a key event's code and key names.
char keyNames[64];

// Where a suspended call keeps its place until the browser answers.
alignas(8) unsigned char suspendedCall[16384];

} // namespace

PAGE_EXPORT(start) void start()
{
    calc.Form_Load();
}

PAGE_EXPORT(key_names) char *key_names()
{
    return keyNames;
}

PAGE_EXPORT(key_names_size) std::size_t key_names_size()
{
    return sizeof keyNames;
}

// The calculator's code for the key whose code and key names the page wrote
// one after the other into key_names.
PAGE_EXPORT(key_code) int key_code(std::size_t codeLength, std::size_t keyLength)
{
    if (codeLength + keyLength > sizeof keyNames)
        return pirumo::kNoKey;
    return keyFromEvent(std::string_view(keyNames, codeLength), std::string_view(keyNames + codeLength, keyLength));
}

namespace {

std::int16_t modifiers(bool shift, bool ctrl, bool alt)
{
    return static_cast<std::int16_t>((shift ? pirumo::kShiftBit : 0) | (ctrl ? pirumo::kCtrlBit : 0)
                                     | (alt ? pirumo::kAltBit : 0));
}

} // namespace

// Whether the calculator does anything with the key: the page leaves every
// other key to the browser.
PAGE_EXPORT(takes_key) bool takes_key(int key, bool shift, bool ctrl, bool alt)
{
    return pirumo::takes_key(static_cast<pirumo::KeyCode>(key), modifiers(shift, ctrl, alt));
}

PAGE_EXPORT(key_down) void key_down(int key, bool shift, bool ctrl, bool alt)
{
    calc.Text1_keyDown(static_cast<pirumo::KeyCode>(key), modifiers(shift, ctrl, alt));
}

// A click on the toolbar's button at that place, counted from the left.
PAGE_EXPORT(toolbar_click) void toolbar_click(std::size_t button)
{
    if (button < std::size(pirumo::kToolbarButtons))
        calc.Toolbar1_ButtonClick(pirumo::kToolbarButtons[button].key);
}

PAGE_EXPORT(up_click) void up_click()
{
    calc.UpCmd_click();
}

PAGE_EXPORT(down_click) void down_click()
{
    calc.DownCmd_click();
}

PAGE_EXPORT(suspended_call) unsigned char *suspended_call()
{
    return suspendedCall;
}

PAGE_EXPORT(suspended_call_size) std::size_t suspended_call_size()
{
    return sizeof suspendedCall;
}
