// Time from a key press reaching the window to both labels being repainted,
// in the real window on Qt's offscreen platform.
#include "form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    QApplication::processEvents();
    auto *text1 = window.findChild<QWidget *>(QStringLiteral("Text1"));
    auto *label1 = window.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *label2 = window.findChild<QLabel *>(QStringLiteral("Label2"));

    constexpr int kPresses = 5000;
    std::vector<double> micros;
    micros.reserve(kPresses);
    QElapsedTimer timer;
    for (int i = 0; i < kPresses; ++i) {
        const int key = i % 13 == 12 ? Qt::Key_Space : Qt::Key_0 + i % 10;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        timer.start();
        QApplication::sendEvent(text1, &press);
        label1->repaint();
        label2->repaint();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("keystroke to repainted labels (%d presses): min %.1f us, median %.1f us, p90 %.1f us\n",
                kPresses, micros.front(), micros[micros.size() / 2], micros[micros.size() * 9 / 10]);
    return 0;
}
