#include "helpviewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

HelpViewer::HelpViewer(QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" ヘルプ"));
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
        setHtml(QStringLiteral("<h2>ヘルプファイルが見つかりません</h2><p>次のファイルを探しましたが、"
                               "見つからないか読み込めませんでした。</p><p><code>%1</code></p>")
                    .arg(file.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}
