// The floor for start-up figures: a bare Qt Widgets program that only opens
// an empty window of PIRUMO's size. With --with-child the window holds one
// empty label, which shows what any window with controls pays before it is
// mapped: showing a child starts Qt's accessibility bridge.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    const bool withChild = argc > 1 && std::strcmp(argv[1], "--with-child") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.setFixedSize(144, 52);
    if (withChild)
        new QLabel(&window);
    window.show();
    return app.exec();
}
