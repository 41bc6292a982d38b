// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/sheetbackdrop.h"

#include "model/connectionsettings.h"
#include "model/placement.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

namespace {

// The columns' colours, left to right; each band spans its column.
const QColor kBandColours[Placement::columnCount] = {
    QColor(255, 0, 0, 20), QColor(255, 255, 0, 50), QColor(0, 255, 0, 50),
    QColor(0, 255, 255, 50), QColor(0, 0, 255, 30),
};
constexpr int kBandRight = 770;
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

} // namespace

SheetBackdrop::SheetBackdrop(QWidget *canvas, const ConnectionSettings *settings)
    : m_settings(settings), m_caption(new QLabel(canvas)), m_font(canvas->font())
{
    for (const Header &header : kHeaders) {
        auto *label = new QLabel(QCoreApplication::translate("MainWindow", header.text), canvas);
        label->setObjectName(QString::fromLatin1(header.objectName));
        label->setGeometry(header.rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_labels.append({label, header.rect});
    }
    m_caption->setGeometry(20, 8, 700, 18);
    m_labels.append({m_caption, m_caption->geometry()});
}

void SheetBackdrop::setZoom(double zoom)
{
    QFont font = m_font;
    if (m_font.pointSizeF() > 0)
        font.setPointSizeF(m_font.pointSizeF() * zoom);
    else
        font.setPixelSize(qMax(1, qRound(m_font.pixelSize() * zoom)));
    for (const auto &[label, rect] : std::as_const(m_labels)) {
        label->setFont(font);
        label->setGeometry(QRectF(QPointF(rect.topLeft()) * zoom, QSizeF(rect.size()) * zoom).toRect());
    }
}

QString SheetBackdrop::connectionCaption() const
{
    return tr("IP address: %1   TCP port: %2   UDP port: %3")
        .arg(m_settings->address)
        .arg(m_settings->tcpPort)
        .arg(m_settings->udpPort);
}

void SheetBackdrop::paint(QPainter &painter)
{
    const QString caption = connectionCaption();
    if (m_caption->text() != caption)
        m_caption->setText(caption);
    painter.setPen(Qt::NoPen);
    for (int column = 0; column < Placement::columnCount; ++column) {
        const int left = Placement::columnX(SheetColumn(column));
        const int right = column + 1 < Placement::columnCount
                              ? Placement::columnX(SheetColumn(column + 1)) - 1
                              : kBandRight;
        painter.fillRect(QRect(QPoint(left, kBandTop), QPoint(right, kBandBottom)),
                         kBandColours[column]);
    }
}
