#include "form1.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;
QList<QPair<QtMsgType, QString>> heldBack;

// While Qt looks for a display, its warnings are held back: when none can be
// opened, Qt would print several lines, suggest reinstalling and dump core.
// One line is all that is needed, with Qt's own reason: the first thing it
// said (the display it could not reach, the platform plugin it could not
// find), or else the first line of its last word.
void whileStarting(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        heldBack.append({type, message});
        return;
    }
    const QString reason = (heldBack.isEmpty() ? message : heldBack.first().second).section(QLatin1Char('\n'), 0, 0);
    std::fprintf(stderr, "pirumo: %.*s (%s)\n", static_cast<int>(pirumo::kWindowUnavailable.size()),
                 pirumo::kWindowUnavailable.data(), reason.trimmed().toLocal8Bit().constData());
    std::_Exit(1);
}

} // namespace

int main(int, char *argv[])
{
    // A pipe whose reader went away, or a shell's limit on file size, must
    // fail the save in question, not end the program and lose the log.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);

    // PIRUMO takes no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    qtHandler = qInstallMessageHandler(whileStarting);
    QApplication app(qtArgc, qtArgv);
    qInstallMessageHandler(qtHandler);
    for (const auto &[type, message] : std::as_const(heldBack))
        qtHandler(type, QMessageLogContext(), message);

    QApplication::setApplicationName(QString::fromUtf8(pirumo::kProductName.data(), pirumo::kProductName.size()));
    QApplication::setApplicationVersion(QString::fromUtf8(pirumo::kVersionText.data(), pirumo::kVersionText.size()));
    QApplication::setDesktopFileName(QStringLiteral("jp.pirumo.Pirumo"));

    Form1 window;
    window.show();
    return app.exec();
}
