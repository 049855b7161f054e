#ifndef PIRUMO_TESTS_WINDOW_FIXTURE_H
#define PIRUMO_TESTS_WINDOW_FIXTURE_H

#include "form1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

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
