#include "webwindow.h"

#include "entry.h"
#include "texts.h"

#include <algorithm>
#include <cstddef>

// The page's side, in page.js. Texts go out as UTF-8 bytes. A text that
// comes back is announced by its length (-1 for none) and then copied into
// a string of that length by page_take_text.
#define PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))
extern "C" {
PAGE_IMPORT(set_label) void page_set_label(int which, const char *text, std::size_t length);
PAGE_IMPORT(set_caption) void page_set_caption(const char *text, std::size_t length);
PAGE_IMPORT(set_save_enabled) void page_set_save_enabled(int enabled);
PAGE_IMPORT(focus_text1) void page_focus_text1();
PAGE_IMPORT(set_text1_value) void page_set_text1_value(const char *digits, std::size_t digitsLength,
                                                      const char *said, std::size_t saidLength);
PAGE_IMPORT(announce) void page_announce(const char *text, std::size_t length);
PAGE_IMPORT(tell) void page_tell(const char *text, std::size_t length);
PAGE_IMPORT(open_help) void page_open_help();
PAGE_IMPORT(end_program) void page_end_program();
PAGE_IMPORT(take_text) void page_take_text(char *into);
// These wait for the browser.
PAGE_IMPORT(write_clipboard) int page_write_clipboard(const char *text, std::size_t length);
PAGE_IMPORT(read_clipboard) int page_read_clipboard();
PAGE_IMPORT(ask_save_file_name) int page_ask_save_file_name(const char *offered, std::size_t length);
PAGE_IMPORT(write_file) int page_write_file(const char *text, std::size_t length);
}

namespace {

std::optional<std::string> takenText(int length)
{
    if (length < 0)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    page_take_text(text.data());
    return text;
}

} // namespace

void WebWindow::setEntryLabel(const std::string &text)
{
    label1 = text;
    page_set_label(1, text.data(), text.size());
}

void WebWindow::setCheckLabel(const std::string &text)
{
    label2 = text;
    page_set_label(2, text.data(), text.size());
}

std::string WebWindow::checkLabel() const
{
    return label2;
}

void WebWindow::setCaption(const std::string &text)
{
    page_set_caption(text.data(), text.size());
}

void WebWindow::setSaveEnabled(bool enabled)
{
    page_set_save_enabled(enabled);
}

void WebWindow::focusText1()
{
    page_focus_text1();
}

void WebWindow::announce(const std::string &text)
{
    // Text1 is a spin button: its value is the number and its check
    // character, and screen readers say it when it changes. The page's live
    // region says only what that leaves unsaid (a line recorded, recording
    // off), or the whole text where the value stayed as it was, so that
    // nothing is said twice.
    const std::string digits = label1.substr(std::min(label1.find_first_not_of(' '), label1.size()));
    const std::string value = label2.empty() ? std::string(pirumo::kSpokenNoNumber)
                                             : pirumo::spoken_entry(digits, label2[0]);
    const bool valueChanged = value != text1Value;
    if (valueChanged) {
        text1Value = value;
        page_set_text1_value(digits.data(), digits.size(), value.data(), value.size());
    }
    std::string rest = text;
    if (valueChanged && rest.compare(0, value.size(), value) == 0)
        rest.erase(0, std::min(rest.size(), value.size() + pirumo::kSpokenPause.size()));
    if (!rest.empty())
        page_announce(rest.data(), rest.size());
}

void WebWindow::clearText1()
{
    // Text1 takes no text in, so there is never anything to empty.
}

bool WebWindow::setClipboardText(const std::string &text)
{
    return page_write_clipboard(text.data(), text.size()) != 0;
}

std::optional<std::string> WebWindow::clipboardText()
{
    return takenText(page_read_clipboard());
}

std::optional<std::string> WebWindow::askSaveFileName(const std::string &offered)
{
    return takenText(page_ask_save_file_name(offered.data(), offered.size()));
}

pirumo::SaveResult WebWindow::writeFile(const std::string &, const std::string &text)
{
    // The page writes to the file the user has just picked, or downloads.
    return static_cast<pirumo::SaveOutcome>(page_write_file(text.data(), text.size()));
}

void WebWindow::openHelp(const std::string &)
{
    // The help is part of the page.
    page_open_help();
}

std::string WebWindow::executableFolder() const
{
    return std::string();
}

char WebWindow::pathSeparator() const
{
    return '/';
}

void WebWindow::tell(const std::string &message)
{
    page_tell(message.data(), message.size());
}

void WebWindow::endProgram()
{
    page_end_program();
}
