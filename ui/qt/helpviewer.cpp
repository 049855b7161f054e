#include "helpviewer.h"

#include "calculator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

HelpViewer::HelpViewer(QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QCoreApplication::applicationName() + QLatin1Char(' ')
                   + QString::fromUtf8(pirumo::kHelpViewerTitle.data(), pirumo::kHelpViewerTitle.size()));
    setObjectName(QStringLiteral("HelpViewer"));
    setOpenExternalLinks(true);
    resize(520, 600);
}

void HelpViewer::openAtContents(const QString &file)
{
    const QFileInfo info(file);
    if (info.isFile() && info.isReadable()) {
        setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
        scrollToAnchor(QStringLiteral("contents"));
    } else {
        const auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), s.size()); };
        setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><p><code>%3</code></p>")
                    .arg(text(pirumo::kHelpMissingTitle), text(pirumo::kHelpMissingText), file.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}
