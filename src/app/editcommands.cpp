#include "app/editcommands.h"

#include "app/documentcontroller.h"
#include "app/keystate.h"
#include "app/mainactions.h"
#include "app/prompter.h"
#include "app/sheettabs.h"
#include "editor/programwidget.h"
#include "io/clipboardfragment.h"
#include "io/designdocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

EditCommands::EditCommands(DesignDocument &document, DocumentController &controller,
                           SheetTabs &tabs, MainActions &actions, KeyState &keys, QWidget *window)
    : QObject(window),
      m_document(document),
      m_controller(controller),
      m_tabs(tabs),
      m_actions(actions),
      m_keys(keys),
      m_window(window)
{
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::isCopyText);
}

void EditCommands::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

void EditCommands::undo()
{
    m_keys.control = false;
    if (const std::optional<QByteArray> document = m_controller.history().undo())
        m_controller.rebuild(*document);
}

void EditCommands::redo()
{
    m_keys.control = false;
    if (const std::optional<QByteArray> document = m_controller.history().redo())
        m_controller.rebuild(*document);
}

void EditCommands::copy()
{
    m_keys.control = false;
    if (ProgramWidget *canvas = m_tabs.currentCanvas())
        canvas->copySelection();
}

void EditCommands::cut()
{
    copy();
    deleteSelection();
}

void EditCommands::paste()
{
    m_keys.control = false;
    const QString text = QApplication::clipboard()->text();
    report(ClipboardFragment::paste(m_document.context(), m_tabs.current(), text));
    m_controller.recordEditStep();
}

void EditCommands::report(const PasteResult &result)
{
    if (!result.parseError.isEmpty())
        m_prompter->warning(nullptr, tr("SAX Handler"), result.parseError);
    // A paste onto a full sheet may refuse hundreds of entries.
    if (!result.messages.isEmpty())
        m_prompter->warnings(m_window, tr("KaRiX"), result.messages);
}

void EditCommands::deleteSelection()
{
    if (ProgramWidget *canvas = m_tabs.currentCanvas())
        canvas->deleteSelection();
}

void EditCommands::selectAll()
{
    if (ProgramWidget *canvas = m_tabs.currentCanvas())
        canvas->selectAll();
}

void EditCommands::itemSelect(bool selected)
{
    m_actions.actionCut->setEnabled(selected);
    m_actions.actionCopy->setEnabled(selected);
    m_actions.action_Delete->setEnabled(selected);
}

void EditCommands::isCopyText()
{
    m_actions.actionPaste->setEnabled(
        ClipboardFragment::isFragment(QApplication::clipboard()->text()));
}
