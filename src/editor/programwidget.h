#pragma once

#include "editor/dragwidget.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QLine>
#include <QList>
#include <QPoint>
#include <optional>

class BlockItem;
class DesignEdits;
class DesignModel;
class QLabel;
class Sheet;
struct ConnectionSettings;

// The canvas of one sheet: five coloured column bands with their headers,
// one child label per block at the block's position, and the wires drawn
// from the blocks' connection data. The sheet and the design belong to the
// document; the canvas follows the sheet's signals to show, move and drop
// block icons, and changes the design only through the document's edits.
class ProgramWidget : public DragWidget
{
    Q_OBJECT
public:
    struct Wire
    {
        QLine line;                // source output point → destination input point
        BlockItem *destination;
    };

    // settings: the main window's current connection settings, shown in the
    // caption and read at every paint; not owned.
    ProgramWidget(Sheet *sheet, DesignModel *design, DesignEdits *edits,
                  const ConnectionSettings *settings, QWidget *parent = nullptr);

    Sheet *sheet() const;
    int sheetIndex() const;

    // The wires of the sheet, rebuilt first when a change marked them dirty.
    const QList<Wire> &wireMap();
    void markWiresDirty();
    // The wire nearest to `point` among those whose bounding box (widened to
    // 2 px above and below for flat wires) holds it.
    std::optional<Wire> wireAt(const QPoint &point);
    // Selects the wire at `point`: its destination becomes the current block.
    bool selectWireAt(const QPoint &point);
    bool isWireSelected() const;
    QLine selectedWire() const;

    BlockItem *currentBlock() const;
    const QList<BlockItem *> &selection() const;
    void setSelection(const QList<BlockItem *> &blocks);
    void selectAll();
    void clearSelection();
    // Deletes the selected blocks, or the current block when nothing is
    // selected, giving their resources back.
    void deleteSelection();
    // Called when this canvas becomes the current sheet.
    void refreshSelectionState();

    // After a parameter dialog changed the block: moves an input or output
    // to the port `newPortText` names (when not empty) and redraws it.
    void updateBlock(BlockItem *block, const QString &newPortText);

    QLabel *iconOf(const BlockItem *block) const;

signals:
    void itemSelect(bool selected);
    // The design changed through this canvas; the window records an edit step.
    void modified();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createHeaders();
    void showBlock(BlockItem *block);
    void moveIcon(BlockItem *block);
    void redrawBlock(BlockItem *block);
    void forgetBlock(BlockItem *block);
    void setIconPicture(BlockItem *block, const QPixmap &picture);
    void showSelected(BlockItem *block, bool selected);
    void rebuildWires();
    void paintBands(QPainter &painter) const;
    void paintGestures(QPainter &painter) const;
    QString connectionCaption() const;

    Sheet *m_sheet;
    DesignModel *m_design;
    DesignEdits *m_edits;
    const ConnectionSettings *m_settings;

    // The child label showing each block of the sheet, and its picture when
    // not selected.
    struct Icon
    {
        QLabel *label = nullptr;
        QPixmap picture;
    };
    QHash<const BlockItem *, Icon> m_icons;
    QList<Wire> m_wires;
    QList<BlockItem *> m_selection;
    BlockItem *m_currentBlock = nullptr;
    BlockItem *m_previousBlock = nullptr;
    bool m_wireSelected = false;
    bool m_wiresDirty = true;
    bool m_drawingWire = false;
    bool m_moving = false;
    bool m_selecting = false;
    QPoint m_pressPoint;
    QPoint m_currentPoint;
    QLabel *m_connectionLabel;
};
