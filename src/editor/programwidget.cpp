#include "editor/programwidget.h"

#include "editor/blockiconpainter.h"
#include "model/blockitem.h"
#include "model/connectionsettings.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/placement.h"
#include "model/sheet.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace {

struct Band
{
    int left;
    int right;
    QColor colour;
};

// Column bands, x1..x2 inclusive, from y 30 to the bottom of the canvas.
const Band kBands[] = {
    {0, 117, QColor(255, 0, 0, 20)},
    {118, 259, QColor(255, 255, 0, 50)},
    {260, 400, QColor(0, 255, 0, 50)},
    {401, 542, QColor(0, 255, 255, 50)},
    {543, 770, QColor(0, 0, 255, 30)},
};
constexpr int kBandTop = 30;
constexpr int kBandBottom = 1030;

struct Header
{
    const char *objectName;
    QRect rect;
    const char *text;
};

// Headers from y 37, at their column's left edge (the input header indented).
QRect headerRect(SheetColumn column, int indent, const QSize &size)
{
    return QRect(QPoint(Placement::columnX(column) + indent, 37), size);
}

const Header kHeaders[] = {
    {"label_0", headerRect(SheetColumn::Input, 20, QSize(56, 16)), QT_TRANSLATE_NOOP("MainWindow", "Input")},
    {"label_1", headerRect(SheetColumn::PreLogic, 0, QSize(63, 30)),
     QT_TRANSLATE_NOOP("MainWindow", "PreLogic\nFeedBack")},
    {"label_2", headerRect(SheetColumn::Function, 0, QSize(56, 30)),
     QT_TRANSLATE_NOOP("MainWindow", "Function\n")},
    {"label_3", headerRect(SheetColumn::PostLogic, 0, QSize(63, 16)),
     QT_TRANSLATE_NOOP("MainWindow", "PostLogic")},
    {"label_4", headerRect(SheetColumn::Output, 0, QSize(111, 45)),
     QT_TRANSLATE_NOOP("MainWindow", "Output\nFeedBack\nMeasure Counter")},
};

// Wires at most this many pixels high are hit within this many pixels above
// and below them.
constexpr int kFlatWireTolerance = 2;

QRect hitRect(const QLine &line)
{
    const QRect box = QRect(line.p1(), line.p2()).normalized();
    if (std::abs(line.dy()) <= kFlatWireTolerance)
        return box.adjusted(0, -kFlatWireTolerance, 0, kFlatWireTolerance);
    return box;
}

// A wire whose box is degenerate (flat or upright) counts as distance 0, so
// it wins over a sloped wire whose box also holds the point.
double distanceToLine(const QPoint &point, const QLine &line)
{
    const double dx = line.dx();
    const double dy = line.dy();
    if (dx == 0.0 || dy == 0.0)
        return 0.0;
    const double length = std::hypot(dx, dy);
    const double cross = dx * (point.y() - line.y1()) - dy * (point.x() - line.x1());
    return std::abs(cross) / length;
}

} // namespace

ProgramWidget::ProgramWidget(Sheet *sheet, DesignModel *design, DesignEdits *edits,
                             const ConnectionSettings *settings, QWidget *parent)
    : DragWidget(parent),
      m_sheet(sheet),
      m_design(design),
      m_edits(edits),
      m_settings(settings),
      m_connectionLabel(new QLabel(this))
{
    setMinimumSize(750, 1030);
    setContextMenuPolicy(Qt::CustomContextMenu);
    createHeaders();
    m_connectionLabel->setGeometry(20, 8, 700, 18);

    connect(sheet, &Sheet::blockPlaced, this, &ProgramWidget::showBlock);
    connect(sheet, &Sheet::blockMoved, this, &ProgramWidget::moveIcon);
    connect(sheet, &Sheet::blockRemoved, this, &ProgramWidget::forgetBlock);
    connect(design, &DesignModel::blockAboutToBeRemoved, this, &ProgramWidget::forgetBlock);
    connect(design, &DesignModel::blockChanged, this, &ProgramWidget::redrawBlock);
    for (BlockItem *block : sheet->blocks())
        showBlock(block);
}

Sheet *ProgramWidget::sheet() const
{
    return m_sheet;
}

int ProgramWidget::sheetIndex() const
{
    return m_sheet->index();
}

void ProgramWidget::createHeaders()
{
    for (const Header &header : kHeaders) {
        auto *label = new QLabel(QCoreApplication::translate("MainWindow", header.text), this);
        label->setObjectName(QString::fromLatin1(header.objectName));
        label->setGeometry(header.rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

QLabel *ProgramWidget::iconOf(const BlockItem *block) const
{
    return m_icons.value(block).label;
}

void ProgramWidget::showBlock(BlockItem *block)
{
    auto *label = new QLabel(this);
    label->setAttribute(Qt::WA_DeleteOnClose);
    label->move(block->position());
    label->show();
    m_icons.insert(block, Icon{label, QPixmap()});
    setIconPicture(block, BlockIconPainter::placedPicture(*block));
    markWiresDirty();
}

void ProgramWidget::moveIcon(BlockItem *block)
{
    if (QLabel *icon = iconOf(block))
        icon->move(block->position());
    markWiresDirty();
}

void ProgramWidget::redrawBlock(BlockItem *block)
{
    if (m_icons.contains(block))
        setIconPicture(block, BlockIconPainter::placedPicture(*block));
}

void ProgramWidget::forgetBlock(BlockItem *block)
{
    if (!m_sheet->contains(block) && !m_icons.contains(block))
        return;
    if (QLabel *icon = m_icons.take(block).label)
        icon->close();
    m_selection.removeAll(block);
    if (m_currentBlock == block) {
        m_currentBlock = nullptr;
        m_wireSelected = false;
    }
    if (m_previousBlock == block)
        m_previousBlock = nullptr;
    markWiresDirty();
}

void ProgramWidget::setIconPicture(BlockItem *block, const QPixmap &picture)
{
    const auto icon = m_icons.find(block);
    if (icon == m_icons.end())
        return;
    icon->picture = picture;
    icon->label->resize(picture.size());
    showSelected(block, m_selection.contains(block));
}

void ProgramWidget::updateBlock(BlockItem *block, const QString &newPortText)
{
    if (block->kind() == BlockKind::Input)
        m_edits->moveInputToPort(block, newPortText);
    else if (block->kind() == BlockKind::Output)
        m_edits->moveToResource(block, newPortText);
    setIconPicture(block, BlockIconPainter::editedPicture(*block));
    update();
    emit modified();
}

void ProgramWidget::showSelected(BlockItem *block, bool selected)
{
    const Icon icon = m_icons.value(block);
    if (!icon.label)
        return;
    icon.label->setPixmap(selected ? BlockIconPainter::selectedPicture(icon.picture) : icon.picture);
}

BlockItem *ProgramWidget::currentBlock() const
{
    return m_currentBlock;
}

const QList<BlockItem *> &ProgramWidget::selection() const
{
    return m_selection;
}

void ProgramWidget::setSelection(const QList<BlockItem *> &blocks)
{
    for (BlockItem *block : std::as_const(m_selection))
        showSelected(block, false);
    m_selection = blocks;
    // Kept in column order, then row order: moves and copies rely on it.
    std::sort(m_selection.begin(), m_selection.end(), [](BlockItem *a, BlockItem *b) {
        return a->position().x() != b->position().x() ? a->position().x() < b->position().x()
                                                       : a->id() < b->id();
    });
    for (BlockItem *block : std::as_const(m_selection))
        showSelected(block, true);
    emit itemSelect(!m_selection.isEmpty());
}

void ProgramWidget::selectAll()
{
    setSelection(m_sheet->blocks());
}

void ProgramWidget::clearSelection()
{
    setSelection({});
}

void ProgramWidget::deleteSelection()
{
    QList<BlockItem *> doomed = m_selection;
    if (doomed.isEmpty() && m_currentBlock)
        doomed << m_currentBlock;
    if (doomed.isEmpty())
        return;
    m_selection.clear();
    m_edits->deleteBlocks(doomed);
    emit itemSelect(false);
    emit modified();
}

void ProgramWidget::refreshSelectionState()
{
    for (BlockItem *block : std::as_const(m_selection))
        showSelected(block, true);
    update();
}

void ProgramWidget::markWiresDirty()
{
    m_wiresDirty = true;
    update();
}

void ProgramWidget::rebuildWires()
{
    m_wires.clear();
    const SheetColumn columns[] = {SheetColumn::PreLogic, SheetColumn::Function,
                                   SheetColumn::PostLogic, SheetColumn::Output};
    for (SheetColumn column : columns) {
        for (BlockItem *block : m_sheet->column(column)) {
            for (const QLine &line : block->wires())
                m_wires.append({line, block});
        }
    }
    m_wiresDirty = false;
}

const QList<ProgramWidget::Wire> &ProgramWidget::wireMap()
{
    if (m_wiresDirty)
        rebuildWires();
    return m_wires;
}

std::optional<ProgramWidget::Wire> ProgramWidget::wireAt(const QPoint &point)
{
    std::optional<Wire> nearest;
    double nearestDistance = 0.0;
    for (const Wire &wire : wireMap()) {
        if (!hitRect(wire.line).contains(point))
            continue;
        const double distance = distanceToLine(point, wire.line);
        if (!nearest || distance < nearestDistance) {
            nearest = wire;
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool ProgramWidget::selectWireAt(const QPoint &point)
{
    const std::optional<Wire> wire = wireAt(point);
    if (!wire)
        return false;
    m_wireSelected = true;
    m_currentBlock = wire->destination;
    m_pressPoint = wire->line.p1();
    m_currentPoint = wire->line.p2();
    update();
    return true;
}

bool ProgramWidget::isWireSelected() const
{
    return m_wireSelected;
}

QLine ProgramWidget::selectedWire() const
{
    return m_wireSelected ? QLine(m_pressPoint, m_currentPoint) : QLine();
}

QString ProgramWidget::connectionCaption() const
{
    return tr("IP address: %1   TCP port: %2   UDP port: %3")
        .arg(m_settings->address)
        .arg(m_settings->tcpPort)
        .arg(m_settings->udpPort);
}

void ProgramWidget::paintBands(QPainter &painter) const
{
    painter.setPen(Qt::NoPen);
    for (const Band &band : kBands)
        painter.fillRect(QRect(QPoint(band.left, kBandTop), QPoint(band.right, kBandBottom)),
                         band.colour);
}

void ProgramWidget::paintGestures(QPainter &painter) const
{
    if (m_drawingWire) {
        painter.setPen(Qt::cyan);
        painter.drawLine(m_pressPoint, m_currentPoint);
    }
    if (m_selecting) {
        painter.setPen(BlockIconPainter::selectionColour());
        painter.setBrush(BlockIconPainter::selectionColour());
        painter.drawRect(QRect(m_pressPoint, m_currentPoint).normalized());
        painter.setBrush(Qt::NoBrush);
    }
    if (m_moving) {
        painter.setPen(Qt::cyan);
        const QPoint offset = m_currentPoint - m_pressPoint;
        for (const BlockItem *block : m_selection)
            painter.drawRect(QRect(block->position() + offset, block->size()));
    }
}

void ProgramWidget::paintEvent(QPaintEvent *event)
{
    DragWidget::paintEvent(event);
    const QString caption = connectionCaption();
    if (m_connectionLabel->text() != caption)
        m_connectionLabel->setText(caption);

    QPainter painter(this);
    paintBands(painter);
    painter.setPen(Qt::black);
    for (const Wire &wire : wireMap())
        painter.drawLine(wire.line);
    if (m_wireSelected) {
        // The selected wire is drawn over the others so the user sees what
        // Delete will remove.
        painter.setPen(QPen(QColor(0, 0, 255), 2));
        painter.drawLine(selectedWire());
    }
    paintGestures(painter);
}
