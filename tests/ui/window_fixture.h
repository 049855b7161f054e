#ifndef PIRUMO_TESTS_WINDOW_FIXTURE_H
#define PIRUMO_TESTS_WINDOW_FIXTURE_H

#include "form1.h"

#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

// Hands the next modal window (a dialog or a message box) to act once it is
// shown. It looks for five seconds at most, so a dialog that never comes
// fails the test's own checks rather than hanging it; and a check that fails
// inside act closes the window it left open, so the test ends at once.
inline void onNextModal(std::function<void(QWidget *)> act, QDeadlineTimer deadline = QDeadlineTimer(5000))
{
    QTimer::singleShot(10, [act = std::move(act), deadline]() mutable {
        if (QPointer<QWidget> modal = QApplication::activeModalWidget()) {
            act(modal);
            if (QTest::currentTestFailed() && modal && modal->isVisible()) {
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        } else if (!deadline.hasExpired())
            onNextModal(std::move(act), deadline);
    });
}

// Picks path in a Save-As dialog and accepts it.
inline void chooseFile(QFileDialog *dialog, const QString &path)
{
    // The dialog fills in its name field only while the field has no focus.
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->clearFocus();
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();  // QFileDialog's own, protected there
}

// A shown, active PIRUMO window and the controls a user can reach.
struct ShownWindow
{
    std::unique_ptr<Form1> form = std::make_unique<Form1>();

    ShownWindow()
    {
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the window did not become active");
    }

    template <typename T = QWidget>
    T *control(const char *name) const
    {
        T *widget = form->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }
    QLabel *entryLabel() const { return control<QLabel>("Label1"); }
    QLabel *checkLabel() const { return control<QLabel>("Label2"); }
    QWidget *text1() const { return control("Text1"); }
    QToolButton *toolButton(const char *key) const { return control<QToolButton>(key); }

    void type(const char *keys) { QTest::keyClicks(text1(), QLatin1String(keys)); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void click(const char *toolbarKey) { QTest::mouseClick(toolButton(toolbarKey), Qt::LeftButton); }
};

#endif
