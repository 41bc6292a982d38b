// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/designcheckdock.h"

#include "app/sheettabs.h"
#include "app/undostack.h"
#include "compiler/designrulecheck.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum ListColumn { SheetNameColumn, BlockColumn, LineColumn };

QString errorsText(int count)
{
    return count == 1 ? DesignCheckDock::tr("1 error") : DesignCheckDock::tr("%1 errors").arg(count);
}

QString warningsText(int count)
{
    return count == 1 ? DesignCheckDock::tr("1 warning")
                      : DesignCheckDock::tr("%1 warnings").arg(count);
}

} // namespace

DesignCheckDock::DesignCheckDock(DesignDocument &document, SheetTabs &tabs,
                                 const UndoStack &history, QWidget *parent)
    : QDockWidget(parent),
      m_document(document),
      m_tabs(tabs),
      m_header(new QLabel),
      m_list(new QTreeWidget)
{
    setObjectName(QStringLiteral("designCheckDock"));
    setWindowTitle(tr("Design Check"));
    m_header->setObjectName(QStringLiteral("designCheckHeader"));
    m_header->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("designCheckList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Sheet"), tr("Block"), tr("Finding")});
    m_list->header()->setStretchLastSection(true);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_header);
    layout->addWidget(m_list);
    setWidget(content);

    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &DesignCheckDock::goToBlock);
    connect(m_list, &QTreeWidget::itemActivated, this, &DesignCheckDock::goToBlock);
    // Queued: undo and redo announce their step before the design is rebuilt.
    connect(&history, &UndoStack::changed, this, [this] {
        if (isVisible())
            refresh();
    }, Qt::QueuedConnection);
}

QString DesignCheckDock::refusalText(int errors)
{
    return tr("Download refused: the design has %1. Correct them and download again.")
        .arg(errorsText(errors));
}

void DesignCheckDock::showCheck()
{
    refresh();
    show();
    raise();
}

void DesignCheckDock::showRefusedDownload()
{
    showCheck();
    m_header->setText(refusalText(m_errors));
    m_header->setStyleSheet(QStringLiteral("font-weight: bold"));
    m_header->show();
}

void DesignCheckDock::refresh()
{
    const QList<DesignRuleCheck::Finding> findings =
        DesignRuleCheck::findings(m_document.model());
    m_list->clear();
    m_blocks.clear();
    m_errors = 0;
    for (const DesignRuleCheck::Finding &finding : findings) {
        addRow(finding.error, finding.line, finding.block);
        m_errors += finding.error ? 1 : 0;
    }
    const int warnings = int(findings.size()) - m_errors;
    setWindowTitle(tr("Design Check \u2014 %1, %2").arg(errorsText(m_errors), warningsText(warnings)));
    m_header->setStyleSheet(QString());
    m_header->setText(findings.isEmpty() ? DesignRuleCheck::noErrorText() : QString());
    m_header->setVisible(findings.isEmpty());
    for (int column : {SheetNameColumn, BlockColumn})
        m_list->resizeColumnToContents(column);
}

void DesignCheckDock::addRow(bool error, const QString &line, const BlockItem *block)
{
    const Sheet *sheet = m_document.sheets().sheet(block->sheet());
    auto *item = new QTreeWidgetItem(m_list);
    item->setIcon(SheetNameColumn, style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                           : QStyle::SP_MessageBoxWarning));
    item->setText(SheetNameColumn, sheet ? sheet->caption() : QString());
    item->setText(BlockColumn, block->displayName());
    item->setText(LineColumn, line);
    item->setToolTip(LineColumn, line);
    m_blocks.append(block);
}

void DesignCheckDock::goToBlock(QTreeWidgetItem *item)
{
    const int row = m_list->indexOfTopLevelItem(item);
    if (row >= 0 && row < m_blocks.size())
        m_tabs.showBlock(m_blocks.at(row));
}
