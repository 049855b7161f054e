#include "keycatcher.h"

#include <QAccessibleWidget>

namespace {

// The whole text is its one selection: Orca 43 says a text that arrives
// selected in the focused control, as it says a completed word, where it
// would stay silent on any other insertion.
class KeyCatcherAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit KeyCatcherAccessible(KeyCatcher *catcher)
        : QAccessibleWidget(catcher, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        return s;
    }

    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
    }
    int selectionCount() const override { return characterCount() ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return spoken().mid(startOffset, endOffset < 0 ? -1 : endOffset - startOffset);
    }
    using QAccessibleWidget::text;
    int characterCount() const override { return static_cast<int>(spoken().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString spoken() const { return static_cast<KeyCatcher *>(widget())->spokenText(); }
};

QAccessibleInterface *accessibleKeyCatcher(const QString &, QObject *object)
{
    auto *catcher = qobject_cast<KeyCatcher *>(object);
    return catcher ? new KeyCatcherAccessible(catcher) : nullptr;
}

} // namespace

KeyCatcher::KeyCatcher(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleKeyCatcher), true);
    (void)factoryInstalled;
    setFocusPolicy(Qt::StrongFocus);
}

void KeyCatcher::speak(const QString &text)
{
    spoken = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // An announcement, which screen readers say whatever has the focus
    // (Orca 45 and later).
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Said as new text inserted whole: a removal first would be read out too.
    QAccessibleTextInsertEvent inserted(this, 0, text);
    QAccessible::updateAccessibility(&inserted);
#endif
}
