#ifndef PIRUMO_UI_HELPVIEWER_H
#define PIRUMO_UI_HELPVIEWER_H

#include <QTextBrowser>

// The window that shows pirumo.hlp, an HTML file.
class HelpViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the file at its contents, or says which file was missing.
    void openAtContents(const QString &file);
};

#endif
