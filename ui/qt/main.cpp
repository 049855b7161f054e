#include "form1.h"

#include <QApplication>

int main(int, char *argv[])
{
    // PIRUMO takes no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("PIRUMO"));
    QApplication::setApplicationVersion(QStringLiteral(PIRUMO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("jp.pirumo.Pirumo"));

    Form1 window;
    window.show();
    return app.exec();
}
