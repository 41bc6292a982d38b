// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignDocument;
class MainWindow;
class Prompter;

// File > Export Sheet, Export All Sheets and Print: asks where, then hands
// the sheets to the SheetExporter, which paints them as the canvas does.
class ExportCommands : public QObject
{
    Q_OBJECT
public:
    // window: gives the document, its file name and the current sheet; the
    // parent of the boxes. Not owned.
    explicit ExportCommands(MainWindow &window);

    // Not owned; never null once set.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

public slots:
    void exportSheet();
    void exportAllSheets();
    void print();

private:
    void exportSheets(const QList<int> &sheets);
    QList<int> allSheets() const;

    MainWindow &m_window;
    Prompter *m_prompter = nullptr;
};
