// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignDocument;
class DocumentController;
class Prompter;
class QWidget;
class SheetTabs;

// File > Export Sheet, Export All Sheets and Print: asks where, then hands
// the sheets to the SheetExporter, which paints them as the canvas does.
class ExportCommands : public QObject
{
    Q_OBJECT
public:
    // window: the parent of this object and of the boxes. The document is
    // exported under the controller's file name; Export Sheet takes the tabs'
    // current sheet. None is owned; all outlive this object.
    ExportCommands(QWidget &window, DesignDocument &document, const DocumentController &documents,
                   const SheetTabs &tabs, Prompter &prompter);

    // Not owned; never null once set.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

public slots:
    void exportSheet();
    void exportAllSheets();
    void print();

private:
    void exportSheets(const QList<int> &sheets);
    QList<int> allSheets() const;

    QWidget &m_window;
    DesignDocument &m_document;
    const DocumentController &m_documents;
    const SheetTabs &m_tabs;
    Prompter *m_prompter;
};
