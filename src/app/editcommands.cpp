// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editcommands.h"

#include "app/documentcontroller.h"
#include "app/mainactions.h"
#include "app/sheettabs.h"
#include "dialogs/prompter.h"
#include "editor/programwidget.h"
#include "io/clipboardfragment.h"
#include "io/designdocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

EditCommands::EditCommands(DesignDocument &document, DocumentController &controller,
                           SheetTabs &tabs, MainActions &actions, QWidget *window)
    : QObject(window),
      m_document(document),
      m_controller(controller),
      m_tabs(tabs),
      m_actions(actions),
      m_window(window)
{
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_actions.actionPaste->setEnabled(canPaste()); });
}

void EditCommands::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

void EditCommands::undo()
{
    if (const std::optional<QByteArray> document = m_controller.history().undo())
        m_controller.rebuild(*document);
}

void EditCommands::redo()
{
    if (const std::optional<QByteArray> document = m_controller.history().redo())
        m_controller.rebuild(*document);
}

void EditCommands::copy()
{
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
    const QString text = QApplication::clipboard()->text();
    const PasteResult result = ClipboardFragment::paste(m_document.context(), m_tabs.current(), text);
    report(result);
    // A paste that placed nothing changed nothing: no step to undo.
    if (!result.blocks.isEmpty())
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
        canvas->selection().selectAll();
}

void EditCommands::followSelection()
{
    using Selected = ProgramWidget::Selected;
    ProgramWidget *canvas = m_tabs.currentCanvas();
    const Selected selected = canvas ? canvas->selected() : Selected::Nothing;
    const bool blocks = selected == Selected::Block || selected == Selected::Blocks;
    m_actions.actionCut->setEnabled(blocks);
    m_actions.actionCopy->setEnabled(blocks);
    m_actions.actionDelete->setEnabled(selected != Selected::Nothing);
}

bool EditCommands::canPaste()
{
    return ClipboardFragment::isFragment(QApplication::clipboard()->text());
}
