// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/blocktext.h"

#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/delayparameters.h"
#include "model/designmodel.h"
#include "model/measurecounterparameters.h"
#include "model/timetext.h"

namespace {

const char *const kTimerModes[CounterParameters::ModeCount] = {
    QT_TRANSLATE_NOOP("BlockText", "1-shot"),
    QT_TRANSLATE_NOOP("BlockText", "1-shot retrig."),
    QT_TRANSLATE_NOOP("BlockText", "delayed 1-shot"),
    QT_TRANSLATE_NOOP("BlockText", "delayed 1-shot retrig."),
    QT_TRANSLATE_NOOP("BlockText", "debounce"),
    QT_TRANSLATE_NOOP("BlockText", "debounce retrig."),
    QT_TRANSLATE_NOOP("BlockText", "delay"),
    QT_TRANSLATE_NOOP("BlockText", "delay retrig."),
    QT_TRANSLATE_NOOP("BlockText", "oscillator (enable)"),
    QT_TRANSLATE_NOOP("BlockText", "oscillator"),
};

const char *const kGates[MeasureCounterParameters::GateCount] = {
    QT_TRANSLATE_NOOP("BlockText", "user gate"),
    QT_TRANSLATE_NOOP("BlockText", "while true"),
    QT_TRANSLATE_NOOP("BlockText", "rising to rising"),
    QT_TRANSLATE_NOOP("BlockText", "edge to edge"),
};

const char *const kSources[MeasureCounterParameters::SourceCount] = {
    QT_TRANSLATE_NOOP("BlockText", "gate time"),
    QT_TRANSLATE_NOOP("BlockText", "true time"),
    QT_TRANSLATE_NOOP("BlockText", "true count"),
    QT_TRANSLATE_NOOP("BlockText", "change count"),
};

// Unit words of the property texts, longest first, with what the sheet shows.
const struct
{
    const char *stored;
    const char *shown;
} kUnits[] = {{"nsec", "ns"}, {"usec", "us"}, {"msec", "ms"}, {"sec", "s"}, {"ns", "ns"}, {"us", "us"}};

} // namespace

const BlockItem *BlockText::definition(const BlockItem &reference, const DesignModel *design)
{
    const BlockKind kind = reference.kind();
    const bool isReference = kind == BlockKind::FeedBackReference
                             || kind == BlockKind::PreLabelReference
                             || kind == BlockKind::LabelReference;
    if (!design || !isReference)
        return nullptr;
    for (const BlockItem *block : design->allBlocks()) {
        if (BlockKinds::definesLabel(block->kind()) && block->name() == reference.name())
            return block;
    }
    return nullptr;
}

QString BlockText::caption(const BlockItem &block, const DesignModel *design)
{
    const BlockKind kind = block.kind();
    if (BlockKinds::isLogic(kind) || kind == BlockKind::CounterFunction
        || kind == BlockKind::MeasureCounter)
        return block.displayName();
    const BlockItem *source = definition(block, design);
    if (block.userName().isEmpty() && source && !source->userName().isEmpty())
        return source->displayName();
    return block.caption();
}

bool BlockText::lacksExpression(const BlockItem &block)
{
    return BlockKinds::isLogic(block.kind()) && block.property().trimmed().isEmpty();
}

QString BlockText::settings(const BlockItem &block)
{
    switch (block.kind()) {
    case BlockKind::CounterFunction:
        return timerSettings(block.property());
    case BlockKind::DelayFunction:
        return delaySettings(block.property());
    case BlockKind::MeasureCounter:
        return measureSettings(block.property());
    case BlockKind::PreLogic:
    case BlockKind::PostLogic:
        return block.property().simplified();
    default:
        return QString();
    }
}

QString BlockText::timeText(const QString &stored)
{
    const QString text = stored.trimmed();
    for (const auto &unit : kUnits) {
        if (text.endsWith(QLatin1String(unit.stored)))
            return text.chopped(int(qstrlen(unit.stored))).trimmed() + QLatin1Char(' ')
                   + QLatin1String(unit.shown);
    }
    bool ok = false;
    const qint64 steps = text.toLongLong(&ok);
    return ok ? QStringLiteral("%1 ns").arg(steps * TimeText::StepNs) : text;
}

QString BlockText::timerSettings(const QString &property)
{
    if (property.trimmed().isEmpty())
        return QString();
    const CounterParameters parameters = CounterParameters::fromProperty(property);
    const int mode = parameters.mode();
    if (mode < 0 || mode >= CounterParameters::ModeCount)
        return QString();
    QString text = tr(kTimerModes[mode]);
    if (!parameters.mainCount().isEmpty())
        text += QLatin1Char(' ') + timeText(parameters.mainCount());
    const QString sub = parameters.subCount();
    if (!sub.isEmpty() && CounterParameters::timeSteps(sub) != 0)
        text += QStringLiteral(" / ") + timeText(sub);
    return text;
}

QString BlockText::delaySettings(const QString &property)
{
    const QString text = DelayParameters::fromProperty(property).text();
    return text.isEmpty() ? QString() : timeText(text);
}

QString BlockText::measureSettings(const QString &property)
{
    const MeasureCounterParameters parameters = MeasureCounterParameters::fromProperty(property);
    return tr("%1, %2").arg(tr(kSources[parameters.source()]), tr(kGates[parameters.gate()]));
}

QString BlockText::toolTip(const BlockItem &block, const DesignModel *design)
{
    QString text = QStringLiteral("<b>%1</b> (%2)")
                       .arg(caption(block, design).toHtmlEscaped(), block.term().toHtmlEscaped());
    if (const BlockItem *source = definition(block, design))
        text += QStringLiteral("<br>") + tr("Refers to %1 on sheet %2")
                                            .arg(source->displayName().toHtmlEscaped())
                                            .arg(source->sheet() + 1);
    const QString shown = settings(block);
    if (!shown.isEmpty())
        text += QStringLiteral("<br>") + shown.toHtmlEscaped();
    if (lacksExpression(block))
        text += QStringLiteral("<br>")
                + tr("Bold name: no expression yet. Double-click to enter one.");
    return text;
}

QString BlockText::wireToolTip(const BlockItem &source, const BlockItem &destination,
                               const DesignModel *design)
{
    return tr("%1 → %2").arg(caption(source, design), caption(destination, design));
}
