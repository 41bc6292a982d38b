// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sheettabs.h"

#include "app/keystate.h"
#include "app/mainactions.h"
#include "app/sheetpicker.h"
#include "dialogs/prompter.h"
#include "editor/customscroll.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/designedits.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

SheetTabs::SheetTabs(DesignDocument &document, const KeyState &keys, MainActions &actions,
                     QWidget *window)
    : QObject(window),
      m_document(document),
      m_keys(keys),
      m_actions(actions),
      m_window(window),
      m_tabs(new QTabWidget)
{
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_tabs->setTabShape(QTabWidget::Rounded);
    m_tabs->setMovable(false);
    m_tabs->setMinimumHeight(100);
    m_tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tabs->addTab(new QWidget, QStringLiteral("+"));

    SheetSet &sheets = m_document.sheets();
    connect(&sheets, &SheetSet::sheetAdded, this, &SheetTabs::addSheetTab);
    connect(&sheets, &SheetSet::aboutToReset, this, &SheetTabs::removeSheetTabs);
    connect(&sheets, &SheetSet::sheetAboutToBeRemoved, this, &SheetTabs::removeSheetTab);
    connect(&sheets, &SheetSet::sheetRemoved, this, &SheetTabs::renumberSheetTabs);
    for (Sheet *sheet : sheets.sheets())
        addSheetTab(sheet);
    m_tabs->setCurrentIndex(0);
    connectCurrentCanvas();

    moveCloseButton(m_tabs->currentIndex());

    connect(m_tabs, &QWidget::customContextMenuRequested, this, &SheetTabs::showTabMenu);
    connect(m_tabs, &QTabWidget::currentChanged, this, &SheetTabs::setCurrentTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, &SheetTabs::moveCloseButton);
    connect(m_tabs, &QTabWidget::tabBarDoubleClicked, this, &SheetTabs::renameSheetAt);
}

QTabBar::ButtonPosition SheetTabs::closeSide() const
{
    QTabBar *bar = m_tabs->tabBar();
    return QTabBar::ButtonPosition(
        bar->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, bar));
}

void SheetTabs::moveCloseButton(int index)
{
    QTabBar *bar = m_tabs->tabBar();
    const QTabBar::ButtonPosition side = closeSide();
    if (!m_closeButton) {
        m_closeButton = new QToolButton;
        m_closeButton->setObjectName(QStringLiteral("closeSheetButton"));
        m_closeButton->setAutoRaise(true);
        m_closeButton->setIcon(bar->style()->standardIcon(QStyle::SP_TabCloseButton));
        m_closeButton->setToolTip(tr("Remove this sheet"));
        connect(m_closeButton, &QToolButton::clicked, this, [this] { tabDelete(m_current); });
    }
    for (int tab = 0; tab < bar->count(); ++tab) {
        if (bar->tabButton(tab, side) == m_closeButton && tab != index)
            bar->setTabButton(tab, side, nullptr);
    }
    // Never on "+".
    if (index >= 0 && index < bar->count() - 1 && bar->tabButton(index, side) != m_closeButton)
        bar->setTabButton(index, side, m_closeButton);
}

void SheetTabs::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
    m_canvasPrompts.setPrompter(prompter);
}

void SheetTabs::setEditorOpener(BlockEditorOpener *opener)
{
    m_editorOpener = opener;
    // Canvases not made yet take it when they are.
    for (ProgramWidget *canvas : std::as_const(m_canvases)) {
        if (canvas)
            canvas->setEditorOpener(opener);
    }
}

void SheetTabs::addSheetTab(Sheet *sheet)
{
    QScopedValueRollback<bool> guard(m_rebuilding, true);
    const int index = sheet->index();
    m_canvases.insert(index, nullptr);
    if (index < m_tabs->count() - 1)
        m_tabs->setTabText(index, sheet->caption());
    else
        insertPage(index, sheet->caption());
    connect(sheet, &Sheet::captionChanged, this, [this, sheet] { syncTabCaption(sheet); });
}

void SheetTabs::insertPage(int index, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tab%1").arg(index));
    new QHBoxLayout(page);
    m_tabs->insertTab(index, page, caption);
}

ProgramWidget *SheetTabs::canvas(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    if (!m_canvases.at(index))
        m_canvases[index] = createCanvas(index);
    return m_canvases.at(index);
}

ProgramWidget *SheetTabs::createCanvas(int index)
{
    QWidget *page = m_tabs->widget(index);
    auto *scroll = new CustomScroll(page);
    auto *canvas = new ProgramWidget(m_document.sheets().sheet(index), &m_document.model(),
                                     &m_document.edits(), &m_document.settings());
    canvas->setPasteAction(m_actions.actionPaste);
    canvas->setEditorOpener(m_editorOpener);
    canvas->setPrompts(&m_canvasPrompts);
    canvas->setDocumentContext(m_document.context());
    scroll->setWidget(canvas);
    page->layout()->addWidget(scroll);
    emit canvasAdded(canvas);
    return canvas;
}

void SheetTabs::syncTabCaption(Sheet *sheet)
{
    m_tabs->setTabText(sheet->index(), sheet->caption());
}

void SheetTabs::removeSheetTabs()
{
    QScopedValueRollback<bool> guard(m_rebuilding, true);
    if (m_keepingPages) {
        // The scroll area holding a canvas is the page's only child widget.
        for (ProgramWidget *canvas : std::as_const(m_canvases)) {
            if (canvas)
                delete canvas->parentWidget()->parentWidget();
        }
    } else {
        while (m_tabs->count() > 1)
            removePage(m_tabs->count() - 2);
    }
    m_canvases.clear();
}

void SheetTabs::beginRebuild()
{
    m_keepingPages = true;
}

void SheetTabs::endRebuild()
{
    m_keepingPages = false;
    QScopedValueRollback<bool> guard(m_rebuilding, true);
    while (m_tabs->count() - 1 > count())
        removePage(m_tabs->count() - 2);
}

void SheetTabs::removeSheetTab(Sheet *sheet)
{
    QScopedValueRollback<bool> guard(m_rebuilding, true);
    const int index = sheet->index();
    m_canvases.removeAt(index);
    removePage(index);
}

void SheetTabs::removePage(int index)
{
    // The tab bar would delete the close button with its tab.
    if (m_tabs->tabBar()->tabButton(index, closeSide()) == m_closeButton)
        m_tabs->tabBar()->setTabButton(index, closeSide(), nullptr);
    QWidget *page = m_tabs->widget(index);
    m_tabs->removeTab(index);
    delete page;
}

void SheetTabs::renumberSheetTabs(int removedIndex)
{
    for (int index = 0; index < count(); ++index)
        m_tabs->widget(index)->setObjectName(QStringLiteral("tab%1").arg(index));
    // The sheet now at the removed place (or the new last one) is current.
    const int current = qMin(removedIndex, count() - 1);
    {
        QScopedValueRollback<bool> guard(m_rebuilding, true);
        m_tabs->setCurrentIndex(current);
    }
    makeCurrent(current);
}

void SheetTabs::connectCurrentCanvas()
{
    if (m_connected)
        disconnect(m_connected, &ProgramWidget::itemSelect, this, &SheetTabs::itemSelect);
    m_connected = currentCanvas();
    if (m_connected)
        connect(m_connected, &ProgramWidget::itemSelect, this, &SheetTabs::itemSelect);
}

void SheetTabs::showFirstSheet()
{
    m_current = 0;
    {
        QScopedValueRollback<bool> guard(m_rebuilding, true);
        m_tabs->setCurrentIndex(0);
    }
    emit currentTabChanged(0);
    connectCurrentCanvas();
    emit itemSelect(false);
}

void SheetTabs::refreshCurrent()
{
    makeCurrent(m_current);
}

void SheetTabs::selectSheet(int index)
{
    if (index >= 0 && index < count())
        m_tabs->setCurrentIndex(index);
}

void SheetTabs::tabNew()
{
    tabNew(true);
}

void SheetTabs::tabNew(bool bModified)
{
    const Sheet *sheet = m_document.edits().addSheet();
    if (!sheet) {
        m_tabs->setCurrentIndex(m_current);
        m_prompter->warning(m_window, tr("KaRiX"),
                            tr("A design has at most %1 sheets.").arg(SheetSet::maxCount));
        return;
    }
    m_tabs->setCurrentIndex(sheet->index());
    if (bModified)
        emit editStepRequested();
}

void SheetTabs::setCurrentTab(int index)
{
    if (m_rebuilding || index < 0 || index == m_current)
        return;
    if (index == count()) {
        // Ctrl+Tab cycles through the sheets; only a click on "+" adds one.
        if (m_keys.tab)
            m_tabs->setCurrentIndex(0);
        else
            tabNew(true);
        return;
    }
    makeCurrent(index);
}

void SheetTabs::makeCurrent(int index)
{
    emit currentTabChanged(index);
    canvas(index)->refreshSelectionState();
    m_current = index;
    connectCurrentCanvas();
    emit itemSelect(false);
}

void SheetTabs::showSheetPicker()
{
    QStringList captions;
    for (const Sheet *sheet : m_document.sheets().sheets())
        captions << sheet->caption();
    auto *picker = new SheetPicker(captions, m_current, m_window);
    connect(picker, &SheetPicker::sheetChosen, this, &SheetTabs::selectSheet);
    picker->move(m_tabs->mapToGlobal(QPoint(0, 0)));
    picker->show();
    picker->filter()->setFocus();
}

void SheetTabs::nextSheet()
{
    stepSheet(1);
}

void SheetTabs::previousSheet()
{
    stepSheet(-1);
}

void SheetTabs::stepSheet(int step)
{
    selectSheet((m_current + step + count()) % count());
}

void SheetTabs::renameSheetAt(int index)
{
    if (index < 0 || index >= count())
        return;
    selectSheet(index);
    tabRename();
}

void SheetTabs::showTabMenu(const QPoint &point)
{
    QTabBar *bar = m_tabs->tabBar();
    const int index = bar->tabAt(bar->mapFrom(m_tabs, point));
    if (index < 0)
        return;
    m_tabs->setCurrentIndex(index);
    QMenu menu(m_window);
    menu.addAction(m_actions.actionNewSheet);
    menu.addAction(m_actions.actionRenameSheet);
    menu.exec(m_tabs->mapToGlobal(point));
}

void SheetTabs::tabRename()
{
    const Sheet *sheet = m_document.sheets().sheet(m_current);
    if (!sheet)
        return;
    const std::optional<QString> name = m_prompter->askText(
        m_window, tr("Tab Rename"), tr("Please enter a new name."), sheet->caption());
    if (name && m_document.edits().renameSheet(m_current, *name))
        emit editStepRequested();
}

void SheetTabs::tabDelete(int index)
{
    const Sheet *sheet = m_document.sheets().sheet(index);
    if (!sheet)
        return;
    const QMessageBox::StandardButton answer = m_prompter->warning(
        m_window, sheet->caption(), tr("Are you sure you want to remove this sheet?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
        m_window->mapToGlobal(QPoint(100, 100)));
    if (answer == QMessageBox::Yes)
        emit sheetDeletionConfirmed(index);
}

bool SheetTabs::showBlock(const BlockItem *block)
{
    const QList<BlockItem *> blocks = m_document.model().allBlocks();
    const auto found = std::find(blocks.cbegin(), blocks.cend(), block);
    if (found == blocks.cend())
        return false;
    BlockItem *live = *found;
    selectSheet(live->sheet());
    ProgramWidget *shown = canvas(live->sheet());
    if (!shown)
        return false;
    shown->selection().setCurrentBlock(live);
    shown->selection().set({live});
    const QPoint at = shown->mapFromGlobal(shown->globalPositionOf(live));
    for (QWidget *up = shown->parentWidget(); up; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(up)) {
            area->ensureVisible(at.x(), at.y(), 80, 80);
            break;
        }
    }
    return true;
}
