// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>
#include <QList>

class BlockItem;
class DesignDocument;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class SheetTabs;
class UndoStack;

// The design rule check as a dock of the main window: one row per finding
// with its severity icon, sheet, block and report line, and the counts in
// the title. A double click makes the block's sheet current and selects the
// block there. While the dock is open the check runs again after every step
// of history (edit, undo, redo, open).
class DesignCheckDock : public QDockWidget
{
    Q_OBJECT
public:
    // All outlive the dock.
    DesignCheckDock(DesignDocument &document, SheetTabs &tabs, const UndoStack &history,
                    QWidget *parent);

    // Runs the check and shows the dock in front.
    void showCheck();
    // A download was refused for the errors listed: the header says so until
    // the next check.
    void showRefusedDownload();
    static QString refusalText(int errors);

    QTreeWidget *list() const { return m_list; }
    QLabel *header() const { return m_header; }
    int errorCount() const { return m_errors; }

private:
    void refresh();
    void addRow(bool error, const QString &line, const BlockItem *block);
    void goToBlock(QTreeWidgetItem *item);

    DesignDocument &m_document;
    SheetTabs &m_tabs;
    QLabel *m_header;
    QTreeWidget *m_list;
    // Each row's block, for SheetTabs::showBlock (which never follows a
    // block the model no longer holds).
    QList<const BlockItem *> m_blocks;
    int m_errors = 0;
};
