// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvasdrops.h"

#include "editor/blockhost.h"
#include "editor/canvashittest.h"
#include "editor/canvasprompts.h"
#include "editor/dragpayload.h"
#include "editor/programwidget.h"
#include "model/blockkinds.h"
#include "model/designedits.h"

#include <QTimer>
#include <optional>

CanvasDrops::CanvasDrops(BlockHost &host, DesignEdits &edits)
    : m_host(host), m_edits(edits)
{
}

QString CanvasDrops::newBlockKey(const QMimeData *data)
{
    // Only the palette and the label bar drag onto the canvas.
    const std::optional<DragPayload> payload = DragPayload::fromMimeData(data);
    if (!payload || !CanvasHitTest::isNewBlockKey(payload->key))
        return QString();
    return payload->key;
}

BlockItem *CanvasDrops::place(const QString &key, int sheet)
{
    // The texts keep the canvas's translation context.
    const DesignEdits::NewBlock placed = m_edits.placeNew(key, sheet);
    if (placed.refusal == DesignEdits::Refusal::NoResource) {
        const QString kind = BlockKinds::traits(BlockKinds::ofTerm(key)).term;
        warnLater(ProgramWidget::tr("There is no more %1 resource.").arg(kind));
    } else if (placed.refusal == DesignEdits::Refusal::ColumnFull) {
        warnLater(ProgramWidget::tr("There is no free row left in this column."));
    }
    return placed.block;
}

void CanvasDrops::warnLater(const QString &text)
{
    QWidget *parent = m_host.dialogParent();
    QTimer::singleShot(0, parent, [this, parent, text] {
        if (CanvasPrompts *prompts = m_host.prompts())
            prompts->warning(parent, text);
    });
}
