// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignDocument;
class DocumentController;
class MainActions;
class Prompter;
class SheetTabs;
class QWidget;
struct PasteResult;

// The Edit menu's commands on the current sheet: undo and redo through the
// document's history, cut, copy and paste through the clipboard fragment,
// delete and select all. Keeps Cut, Copy, Delete and Paste enabled exactly
// when they can act.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    // All references outlive this object.
    EditCommands(DesignDocument &document, DocumentController &controller, SheetTabs &tabs,
                 MainActions &actions, QWidget *window);

    void setPrompter(Prompter *prompter);

public slots:
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    // Cut, Copy and Delete follow what the current canvas highlights: Delete
    // a block, blocks or a wire, Cut and Copy only blocks.
    void followSelection();

public:
    // Whether the clipboard holds a fragment; Paste is enabled exactly then.
    static bool canPaste();

private:
    void report(const PasteResult &result);

    DesignDocument &m_document;
    DocumentController &m_controller;
    SheetTabs &m_tabs;
    MainActions &m_actions;
    QWidget *m_window;
    Prompter *m_prompter = nullptr;
};
