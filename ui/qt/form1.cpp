#include "form1.h"

#include "clipboardowner.h"
#include "helpviewer.h"
#include "keycatcher.h"
#include "keymap.h"
#include "labelfont.h"
#include "pixmaps.h"
#include "savefile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

namespace {

// Laid out at 96 dpi; Qt scales the whole window on denser screens.
QRect place(const pirumo::Twips &twips)
{
    const pirumo::PixelRect r = pirumo::toPixels(twips);
    return QRect(r.left, r.top, r.width(), r.height());
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const pirumo::Twips &twips)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place(twips));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    // Black on white on every desktop: a dark theme's light text would
    // vanish on the white field.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QPushButton *makeStepButton(QWidget *parent, const QString &name, const pirumo::Twips &twips,
                            const char *pictureName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(place(twips));
    // The 20 x 20 picture stays unscaled and centred: the small button shows
    // its middle, where the arrow is.
    button->setIcon(pictureIcon(pictureName));
    button->setIconSize(QSize(pirumo::kStepPicture, pirumo::kStepPicture));
    // Taken by Tab only: a click steps and leaves the keyboard with Text1,
    // and a right or middle click does nothing at all.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

void Form1::speakJapaneseInDialogs()
{
    // Qt's own texts (the Save-As dialog, the buttons of a message box) in
    // Japanese like the rest of the window, whatever the desktop's language.
    // Loaded at the first dialog, so start-up does not wait for it.
    static QTranslator *qtTexts = nullptr;
    if (qtTexts)
        return;
    qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
}

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(pirumo::kProductName));
    setWindowIcon(pictureIcon("pirumo"));
    setFixedSize(place(pirumo::kClient).size());
}

void Form1::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible || loaded)
        return;
    loaded = true;
    // The controls are made only now. Showing the bare window started Qt's
    // accessibility bridge, a few milliseconds of D-Bus set-up, while the
    // display server mapped the window; a control shown first would have
    // started it before the window went out. Nothing is drawn before the
    // event loop runs, so the first frame holds every control.
    buildControls();
    buildToolbar();
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->show();
    Text1->setFocus();
    describeForScreenReaders();
    calc.Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    // Created back to front: a later sibling is drawn over an earlier one.
    Label1 = makeLabel(this, QStringLiteral("Label1"), pirumo::kLabel1);
    Label2 = makeLabel(this, QStringLiteral("Label2"), pirumo::kLabel2);

    // The key catcher: it holds the focus and lies behind the toolbar. A bare
    // widget rather than a line edit, which would load the fonts at start-up
    // only to lay out a text nobody sees.
    Text1 = new KeyCatcher(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(place(pirumo::kText1));
    Text1->installEventFilter(this);

    UpCmd = makeStepButton(this, QStringLiteral("UpCmd"), pirumo::kUpCmd, "up");
    DownCmd = makeStepButton(this, QStringLiteral("DownCmd"), pirumo::kDownCmd, "down");
    connect(UpCmd, &QPushButton::clicked, this, [this] { calc.UpCmd_click(); });
    connect(DownCmd, &QPushButton::clicked, this, [this] { calc.DownCmd_click(); });

    setTabOrder(Text1, UpCmd);
    setTabOrder(UpCmd, DownCmd);
}

void Form1::buildToolbar()
{
    // A plain bar of tool buttons rather than a QToolBar: no handle, margin,
    // spacing or overflow button, so six 24-pixel buttons fill the 144 pixels
    // exactly; and it starts without loading any image plugin.
    Toolbar1 = new QWidget(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setAutoFillBackground(true);  // opaque: Text1 lies hidden behind it
    Toolbar1->setGeometry(place(pirumo::kToolbar));

    for (const pirumo::ToolbarButton &b : pirumo::kToolbarButtons) {
        const pirumo::PixelRect r = pirumo::toolButtonPlace(static_cast<int>(toolButtons.size()));
        auto *button = new QToolButton(Toolbar1);
        button->setObjectName(text(b.key));
        button->setIcon(toolbarIcon(b.key));
        button->setIconSize(QSize(pirumo::kToolPicture, pirumo::kToolPicture));
        button->setToolTip(text(b.toolTip));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(r.left, r.top, r.width(), r.height());
        connect(button, &QToolButton::clicked, this, [this, key = b.key] {
            calc.Toolbar1_ButtonClick(key);
        });
        toolButtons.append(button);
    }
}

void Form1::describeForScreenReaders()
{
    // The labels have no fixed name: a screen reader reads their text, the
    // number and its check character, and hears of every change.
    Label1->setAccessibleDescription(text(pirumo::kLabel1Description));
    Label2->setAccessibleDescription(text(pirumo::kLabel2Description));
    Text1->setAccessibleName(text(pirumo::kText1Name));
    Text1->setAccessibleDescription(text(pirumo::kText1Description));
    UpCmd->setAccessibleName(text(pirumo::kUpCmdName));
    UpCmd->setAccessibleDescription(text(pirumo::kUpCmdDescription));
    DownCmd->setAccessibleName(text(pirumo::kDownCmdName));
    DownCmd->setAccessibleDescription(text(pirumo::kDownCmdDescription));
    for (QToolButton *button : std::as_const(toolButtons))
        button->setAccessibleName(button->toolTip());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        // Tab and Shift+Tab keep moving the focus between the controls.
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab)
            return false;
        calc.Text1_keyDown(virtualKeyCode(*keyEvent, keySource), shiftState(*keyEvent));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setEntryLabel(const std::string &text)
{
    if (!text.empty())
        fitLabelFonts();
    Label1->setText(QString::fromStdString(text));
}

void Form1::setCheckLabel(const std::string &text)
{
    if (!text.empty())
        fitLabelFonts();
    Label2->setText(QString::fromStdString(text));
}

void Form1::fitLabelFonts()
{
    // Chosen at the first text rather than at start-up, which then needs no
    // font at all: measuring fonts means loading them.
    if (labelFontsFitted)
        return;
    labelFontsFitted = true;
    Label1->setFont(labelFont(pirumo::kEntryFontPixels, QFont::Normal, text(pirumo::kEntrySample), Label1->width()));
    Label2->setFont(labelFont(pirumo::kCheckFontPixels, QFont::Bold, text(pirumo::kCheckSample), Label2->width()));
}

std::string Form1::checkLabel() const
{
    return Label2->text().toStdString();
}

void Form1::setCaption(const std::string &text)
{
    setWindowTitle(QString::fromStdString(text));
}

void Form1::setSaveEnabled(bool enabled)
{
    toolButtons.at(pirumo::kSaveButton)->setEnabled(enabled);
}

void Form1::focusText1()
{
    Text1->setFocus();
}

void Form1::announce(const std::string &text)
{
    Text1->speak(QString::fromStdString(text));
}

void Form1::clearText1()
{
    // Text1 takes no text in, so there is never anything to empty.
}

bool Form1::setClipboardText(const std::string &text)
{
    // Taking the clipboard never fails here: others ask us for its text.
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return true;
}

std::optional<std::string> Form1::clipboardText()
{
    // Asking for the list of formats first means an owner that never answers
    // costs one wait (Qt gives up after 5 s), not one for each text format.
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard->mimeData();
    if (!data || data->formats().isEmpty()) {
        // No formats from a program that does own the clipboard: it did not answer.
        if (!clipboard->ownsClipboard() && anotherProgramOwnsClipboard())
            return std::nullopt;
        return std::string();
    }
    return data->text().toStdString();
}

std::optional<std::string> Form1::askSaveFileName(const std::string &offered)
{
    speakJapaneseInDialogs();
    // Qt reads "*.*" as names with a dot; the last pair of brackets holds the
    // pattern actually used, and hiding the details shows the text before it.
    QFileDialog dialog(this, QString(), QString::fromStdString(offered),
                       text(pirumo::kSaveFilterName) + QStringLiteral(" (*)"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString name = dialog.selectedFiles().constFirst();
    // Qt's own dialog reads a typed name holding a double quote as a list of
    // quoted names and returns a file the user never named: keep what was typed.
    const auto *typed = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (typed && typed->text().contains(QLatin1Char('"')))
        name = dialog.directory().absoluteFilePath(typed->text());
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

pirumo::SaveResult Form1::writeFile(const std::string &path, const std::string &text)
{
    return writeWholeFile(QString::fromStdString(path), QByteArray::fromStdString(text));
}

void Form1::openHelp(const std::string &file)
{
    if (!helpViewer)
        helpViewer = new HelpViewer(this);
    helpViewer->openAtContents(QString::fromStdString(file));
}

std::string Form1::executableFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

char Form1::pathSeparator() const
{
    return QDir::separator().toLatin1();
}

void Form1::tell(const std::string &message)
{
    speakJapaneseInDialogs();
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(message));
}

void Form1::endProgram()
{
    if (helpViewer)
        helpViewer->close();
    QCoreApplication::exit(0);
}
