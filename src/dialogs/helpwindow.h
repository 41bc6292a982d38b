// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

// "KaRiX User Guide": the guide in the program's own browser (lab machines
// may have no web browser), with Contents, Back, Forward and a search within
// the page. A separate window owned by the window it was opened from.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner);

    // An empty page says that the guide is missing from folder.
    void showPage(const QUrl &page, const QString &folder);
    QTextBrowser *browser() const { return m_browser; }

private:
    void buildToolBar(QLayout *layout);
    void find(bool backward);

    QTextBrowser *m_browser;
    QLineEdit *m_search;
    QLabel *m_searchResult;
};
