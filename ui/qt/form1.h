#ifndef PIRUMO_QT_FORM1_H
#define PIRUMO_QT_FORM1_H

#include "calculator.h"
#include "keymap.h"

#include <QPointer>
#include <QWidget>

class HelpViewer;
class KeyCatcher;
class QLabel;
class QPushButton;
class QToolButton;

// PIRUMO's only window. It turns key presses and clicks into calls on the
// calculator and carries out the calculator's window operations.
class Form1 : public QWidget, private pirumo::Window
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildToolbar();
    void describeForScreenReaders();
    void fitLabelFonts();
    static void speakJapaneseInDialogs();

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
    const KeySource keySource = currentKeySource();
    bool loaded = false;  // shown, with Form_Load done
    bool labelFontsFitted = false;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    KeyCatcher *Text1 = nullptr;
    QPushButton *UpCmd = nullptr;
    QPushButton *DownCmd = nullptr;
    QWidget *Toolbar1 = nullptr;
    QList<QToolButton *> toolButtons;  // in toolbar order
    QPointer<HelpViewer> helpViewer;
};

#endif
