// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/promptercanvasprompts.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTabBar>

class BlockEditorOpener;
class DesignDocument;
class MainActions;
class BlockItem;
class ProgramWidget;
class Prompter;
class QPoint;
class QTabWidget;
class QToolButton;
class QWidget;
class Sheet;
struct KeyState;

// The sheet tabs of the main window: one page with a canvas per sheet of the
// document and a last "+" tab that adds a sheet. Follows the document's
// sheets (pages appear as sheets are added and go when the document is
// reset), keeps the current sheet and connects only the current canvas's
// selection signal. Changes to the document are left to its receivers: an
// edit step (editStepRequested) and the removal of a sheet
// (sheetDeletionConfirmed, after the user agreed).
class SheetTabs : public QObject
{
    Q_OBJECT
public:
    // keys: the window's held keys (Tab decides whether "+" cycles); the
    // document, keys, actions and window outlive this object.
    SheetTabs(DesignDocument &document, const KeyState &keys, MainActions &actions,
              QWidget *window);

    // The tab widget; the caller puts it into the window's layout.
    QTabWidget *widget() const { return m_tabs; }
    void setPrompter(Prompter *prompter);
    // The block dialogs every canvas opens (not owned; null: none yet).
    void setEditorOpener(BlockEditorOpener *opener);

    int count() const { return m_canvases.size(); }
    int current() const { return m_current; }
    // A sheet's canvas is made when it is first asked for (the sheet is
    // shown, or a command needs it), so that a large document, and every
    // undo of it, builds only the canvases the user looks at. Null for an
    // index out of range.
    ProgramWidget *canvas(int index);
    ProgramWidget *currentCanvas() { return canvas(m_current); }
    // The canvas if it was made already, else null.
    ProgramWidget *existingCanvas(int index) const { return m_canvases.value(index); }

    // Removes every sheet page (the document is about to be reset); the
    // pages of the new sheets appear as the document adds them. Between
    // beginRebuild() and endRebuild() only the canvases go: the pages stay
    // for the sheets read back in, so that undo does not relayout the tab
    // bar tab by tab; endRebuild() drops the pages no sheet took.
    void removeSheetTabs();
    void beginRebuild();
    void endRebuild();
    // After the document was reset: sheet 0 is current and wired.
    void showFirstSheet();
    // Runs the current-sheet wiring again after a document was read in,
    // without making another sheet's canvas on the way.
    void refreshCurrent();
    // Makes an existing sheet current; other indexes are ignored.
    void selectSheet(int index);
    // Makes the block's sheet current, selects the block there and scrolls
    // it into view. The block may be one of an earlier state of the
    // document (an undo replaces every block): it is only compared with
    // the model's blocks, never followed, and false is returned when the
    // model no longer holds it.
    bool showBlock(const BlockItem *block);

public slots:
    void tabNew(bool bModified);
    void tabNew();
    void tabDelete(int index);
    void tabRename();
    void showTabMenu(const QPoint &point);
    void setCurrentTab(int index);
    // The go-to-sheet pop-up over the tabs.
    void showSheetPicker();
    // The next or the previous sheet, round from the last to the first.
    void nextSheet();
    void previousSheet();

signals:
    void currentTabChanged(int index);
    // The current canvas's selection became empty or not.
    void itemSelect(bool selected);
    // A canvas was created; its signals want wiring.
    void canvasAdded(ProgramWidget *canvas);
    void editStepRequested();
    void sheetDeletionConfirmed(int index);

private:
    void addSheetTab(Sheet *sheet);
    void stepSheet(int step);
    void renameSheetAt(int index);
    // Only the current sheet's tab has a close button: a button on every
    // tab makes the tab bar lay out all tabs once per tab added, which
    // dominated opening a document of many sheets.
    void moveCloseButton(int index);
    QTabBar::ButtonPosition closeSide() const;
    void insertPage(int index, const QString &caption);
    ProgramWidget *createCanvas(int index);
    void removeSheetTab(Sheet *sheet);
    void removePage(int index);
    void renumberSheetTabs(int removedIndex);
    void makeCurrent(int index);
    void connectCurrentCanvas();
    void syncTabCaption(Sheet *sheet);

    DesignDocument &m_document;
    const KeyState &m_keys;
    MainActions &m_actions;
    QWidget *m_window;
    Prompter *m_prompter = nullptr;
    // Every canvas's boxes, through m_prompter.
    PrompterCanvasPrompts m_canvasPrompts;
    BlockEditorOpener *m_editorOpener = nullptr;
    QTabWidget *m_tabs;
    // One per sheet; null until the canvas is first asked for.
    QList<ProgramWidget *> m_canvases;
    QPointer<ProgramWidget> m_connected;
    // Deleted by the tab bar with the tab it sits on.
    QPointer<QToolButton> m_closeButton;
    int m_current = 0;
    // The pages are being rebuilt; tab changes must not create or wire sheets.
    bool m_rebuilding = false;
    // Sheet pages are kept for the sheets of the rebuilt document.
    bool m_keepingPages = false;
};
