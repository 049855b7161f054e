#ifndef PIRUMO_CORE_WINDOW_H
#define PIRUMO_CORE_WINDOW_H

#include <optional>
#include <string>
#include <utility>

namespace pirumo {

// What became of a save. Saved, Damaged and Unconfirmed may have changed a
// file; the other outcomes left it as it was and name why, so the user can
// be told.
enum class SaveOutcome {
    Saved,
    Failed,             // could not be written: no room, no permission, ...
    FileInUse,          // another program holds the file
    Folder,
    BlockDevice,
    Socket,
    LinkLoop,           // a symbolic link that leads back to itself
    PipeWithoutReader,  // a named pipe that no program reads
    Damaged,            // the write failed and the old contents could not be put back
    Unconfirmed,        // handed to a browser as a download that the user did not see arrive
};

// A save's outcome and, where a failed save could not put the old file back
// in its place, where its old contents are now.
struct SaveResult
{
    SaveResult(SaveOutcome outcome, std::string oldContentsAt = {})
        : outcome(outcome), oldContentsAt(std::move(oldContentsAt))
    {
    }
    SaveOutcome outcome;
    std::string oldContentsAt;
};

// What the calculator needs from its window and from the desktop around it.
// The Qt and Win32 windows and the web page implement it for real; the tests
// implement it with a fake that records every call. All texts are UTF-8.
class Window
{
public:
    virtual ~Window() = default;

    virtual void setEntryLabel(const std::string &text) = 0;  // Label1
    virtual void setCheckLabel(const std::string &text) = 0;  // Label2
    virtual std::string checkLabel() const = 0;
    virtual void setCaption(const std::string &text) = 0;
    virtual void setSaveEnabled(bool enabled) = 0;            // toolbar button 2
    virtual void focusText1() = 0;
    // What a screen reader is to say once, now, of Text1, which has the
    // keyboard: the number and its check character after every change.
    virtual void announce(const std::string &text) = 0;
    virtual void clearText1() = 0;

    // Puts text on the clipboard; false when the clipboard could not be written.
    virtual bool setClipboardText(const std::string &text) = 0;
    // The clipboard's plain text, empty when it holds none; nothing when the
    // clipboard could not be read (another program holds it, its owner does
    // not answer).
    virtual std::optional<std::string> clipboardText() = 0;

    // Asks for a file name to save under, offering the given one; nothing
    // when the user cancels.
    virtual std::optional<std::string> askSaveFileName(const std::string &offered) = 0;
    // Replaces the file with the whole text, or leaves it as it was and says
    // why. Nothing stays open either way.
    virtual SaveResult writeFile(const std::string &path, const std::string &text) = 0;

    virtual void openHelp(const std::string &file) = 0;
    // Folder of the running executable, with the platform's separators.
    virtual std::string executableFolder() const = 0;
    // What separates a folder from a name in its paths.
    virtual char pathSeparator() const = 0;

    // A short notice the user must read (the log is full, a save failed).
    virtual void tell(const std::string &message) = 0;
    // Closes whatever the program has open and ends it at once.
    virtual void endProgram() = 0;
};

} // namespace pirumo

#endif
