#pragma once

#include <QObject>

class DesignDocument;
class DocumentController;
class MainActions;
class Prompter;
class SheetTabs;
class QWidget;
struct KeyState;
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
                 MainActions &actions, KeyState &keys, QWidget *window);

    void setPrompter(Prompter *prompter);

public slots:
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    // The current canvas's selection became empty or not.
    void itemSelect(bool selected);
    // Paste is enabled exactly when the clipboard holds a fragment.
    void isCopyText();

private:
    void report(const PasteResult &result);

    DesignDocument &m_document;
    DocumentController &m_controller;
    SheetTabs &m_tabs;
    MainActions &m_actions;
    KeyState &m_keys;
    QWidget *m_window;
    Prompter *m_prompter = nullptr;
};
