// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/helpwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window),
      m_browser(new QTextBrowser(this)),
      m_search(new QLineEdit(this)),
      m_searchResult(new QLabel(this))
{
    setWindowTitle(tr("KaRiX User Guide"));
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar(layout);
    layout->addWidget(m_browser);
    resize(760, 820);
}

void HelpWindow::buildToolBar(QLayout *layout)
{
    auto *bar = new QToolBar(this);
    QAction *contents = bar->addAction(tr("&Contents"), m_browser, &QTextBrowser::home);
    contents->setToolTip(tr("Back to the table of contents (Home)"));
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    QAction *back = bar->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction *forward = bar->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    bar->addSeparator();
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(tr("Find in page (Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(260);
    bar->addWidget(m_search);
    bar->addAction(tr("&Next"), this, [this] { find(false); })->setShortcut(QKeySequence::FindNext);
    bar->addAction(tr("&Previous"), this, [this] { find(true); })
        ->setShortcut(QKeySequence::FindPrevious);
    bar->addWidget(m_searchResult);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(m_search, &QLineEdit::textEdited, this, [this] {
        // Typing refines the current match instead of jumping past it.
        QTextCursor cursor = m_browser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        m_browser->setTextCursor(cursor);
        find(false);
    });
    auto *findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    layout->addWidget(bar);
}

void HelpWindow::showPage(const QUrl &page, const QString &folder)
{
    if (page.isEmpty()) {
        m_browser->setHtml(tr("<p>The user guide was not found in %1.</p>"
                              "<p>It is installed with the program; a build finds it in the "
                              "folder \"guide\" beside the program.</p>")
                               .arg(folder.toHtmlEscaped()));
        return;
    }
    m_browser->setSource(page);
}

void HelpWindow::find(bool backward)
{
    const QString text = m_search->text();
    m_searchResult->clear();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward
                                                    : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return;
    // Not found up to the end of the page: search once more from the other end.
    QTextCursor cursor = m_browser->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(cursor);
    if (!m_browser->find(text, flags))
        m_searchResult->setText(tr("  Not found"));
}
