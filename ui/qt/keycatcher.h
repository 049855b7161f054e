#ifndef PIRUMO_QT_KEYCATCHER_H
#define PIRUMO_QT_KEYCATCHER_H

#include <QWidget>

// Text1: it holds the keyboard, lies hidden behind the toolbar and shows
// nothing. To a screen reader it is a read-only text whose content is the
// number and its check character, spoken anew after every change.
class KeyCatcher : public QWidget
{
    Q_OBJECT

public:
    explicit KeyCatcher(QWidget *parent);

    QString spokenText() const { return spoken; }
    // Replaces the text and has it said once.
    void speak(const QString &text);

private:
    QString spoken;
};

#endif
