// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/resourcecounters.h"

#include "model/blockkinds.h"

namespace {

struct CounterDefinition
{
    const char *kind;
    const char *text;
    int total;
};

// Palette order; a total of 0 marks an uncounted kind.
constexpr CounterDefinition counterDefinitions[] = {
    {"Input", "Input", 0},         {"PreLogic", "PreLogic", 0},
    {"PreLogicInfo", "", 8},       {"CntFnc", "CntFnc", 8},
    {"DlyFnc", "DlyFnc", 8},       {"NonFnc", "NonFnc", 6},
    {"PostLogic", "PostLogic", 0}, {"PostLogicInfo", "", 11},
    {"MsrCnt", "MsrCnt", 4},       {"NIM-OUT", "NIM-OUT", 8},
    {"FeedBack", "FeedBack", 8},   {"FeedBackInfo", "", 8},
    {"Label", "Label", 0},
};

const QString functionUnits = QStringLiteral("PostLogicInfo");

} // namespace

ResourceCounters::ResourceCounters(QObject *parent) : QObject(parent)
{
    for (const CounterDefinition &definition : counterDefinitions) {
        const QString kind = QString::fromLatin1(definition.kind);
        m_order.append(kind);
        m_counters.insert(kind, {QString::fromLatin1(definition.text), definition.total, definition.total});
    }
}

bool ResourceCounters::useResource(int delta, const QString &kind)
{
    if (!m_counters.contains(kind))
        return false;
    if (!isFunctionKind(kind))
        return apply(delta, kind);
    if (!apply(delta, functionUnits))
        return false;
    if (apply(delta, kind))
        return true;
    apply(-delta, functionUnits);
    return false;
}

void ResourceCounters::reset()
{
    for (const QString &kind : std::as_const(m_order)) {
        Counter &counter = m_counters[kind];
        if (counter.available != counter.total) {
            counter.available = counter.total;
            emit changed(kind);
        }
    }
}

int ResourceCounters::free(const QString &kind) const
{
    return m_counters.value(kind).available;
}

int ResourceCounters::total(const QString &kind) const
{
    return m_counters.value(kind).total;
}

bool ResourceCounters::isCounted(const QString &kind) const
{
    return total(kind) > 0;
}

bool ResourceCounters::isExhausted(const QString &kind) const
{
    return isCounted(kind) && free(kind) == 0;
}

QString ResourceCounters::caption(const QString &kind) const
{
    const Counter counter = m_counters.value(kind);
    if (counter.total == 0)
        return counter.text;
    return QStringLiteral("%1(%2/%3)").arg(counter.text).arg(counter.available).arg(counter.total);
}

QStringList ResourceCounters::kinds() const
{
    return m_order;
}

QString ResourceCounters::kindOfTerm(const QString &term)
{
    return BlockKinds::traits(BlockKinds::ofTerm(term)).resource;
}

bool ResourceCounters::apply(int delta, const QString &kind)
{
    Counter &counter = m_counters[kind];
    if (counter.total == 0)
        return true;
    const int available = counter.available + delta;
    if (available < 0 || available > counter.total)
        return false;
    counter.available = available;
    if (delta != 0)
        emit changed(kind);
    return true;
}

bool ResourceCounters::isFunctionKind(const QString &kind)
{
    return BlockKinds::isFunction(BlockKinds::ofTerm(kind));
}
