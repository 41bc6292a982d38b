// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/designmodel.h"

#include "model/blockitem.h"

#include "model/delayedoutput.h"
#include "model/nim_in.h"
#include "model/nimfnclabel.h"
#include "model/nimfunction.h"
#include "model/nimlabel.h"
#include "model/nimlabelin.h"
#include "model/nimmsrcnt.h"
#include "model/nimnonfnc.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"

#include <algorithm>

namespace {
const QString outputPrefix = QStringLiteral("NIM-OUT");
const QString counterPrefix = QStringLiteral("MsrCnt");
constexpr int outputCount = 8;
constexpr int measureCounterCount = 4;
} // namespace

DesignModel::DesignModel(QObject *parent)
    : QObject(parent),
      m_inputNames({QStringLiteral("NIM-IN-S0"), QStringLiteral("NIM-IN-S1"),
                    QStringLiteral("NIM-IN-S2"), QStringLiteral("NIM-IN-S3"),
                    QStringLiteral("NIM-IN-S4"), QStringLiteral("NIM-IN-S5"),
                    QStringLiteral("NIM-IN-S6"), QStringLiteral("NIM-IN-S7"),
                    QStringLiteral("NIM-IN-M"), QStringLiteral("BNC-IN")})
{
    // The signals name a type moc sees only declared.
    qRegisterMetaType<BlockItem *>();
}

DesignModel::~DesignModel()
{
    clearDesign();
}

const QStringList &DesignModel::inputNames() const { return m_inputNames; }
const QList<BlockItem *> &DesignModel::inputBlocks() const { return m_inputBlocks; }
const QList<PreLogic *> &DesignModel::preLogics() const { return m_preLogics; }
const QList<PostLogic *> &DesignModel::postLogics() const { return m_postLogics; }
const QList<BlockItem *> &DesignModel::functionBlocks() const { return m_functionBlocks; }
const QList<BlockItem *> &DesignModel::outputBlocks() const { return m_outputBlocks; }
const QList<BlockItem *> &DesignModel::labelBlocks() const { return m_labelBlocks; }

QList<BlockItem *> DesignModel::allBlocks() const
{
    QList<BlockItem *> blocks = m_inputBlocks;
    blocks.append(QList<BlockItem *>(m_preLogics.cbegin(), m_preLogics.cend()));
    blocks.append(m_functionBlocks);
    blocks.append(QList<BlockItem *>(m_postLogics.cbegin(), m_postLogics.cend()));
    blocks.append(m_outputBlocks);
    blocks.append(m_labelBlocks);
    return blocks;
}

BlockItem *DesignModel::addInput(int id, int sheet, const QString &name)
{
    if (name.isEmpty())
        return addNextInput(id, sheet);
    return append(m_inputBlocks, new NIM_IN(id, sheet, name));
}

BlockItem *DesignModel::addNextInput(int id, int sheet)
{
    for (const QString &connector : std::as_const(m_inputNames)) {
        if (hasInputOnSheet(connector, sheet))
            continue;
        BlockItem *block = append(m_inputBlocks, new NIM_IN(id, sheet, connector));
        // The first block of this connector is the new one unless another
        // sheet carries it already; either way its display name is the one
        // the connector goes by.
        for (BlockItem *existing : std::as_const(m_inputBlocks)) {
            if (existing->name() == connector) {
                block->setUserName(existing->displayName());
                break;
            }
        }
        return block;
    }
    return nullptr;
}

PreLogic *DesignModel::addPreLogic(int id, int sheet, const QString &name)
{
    return append(m_preLogics, new PreLogic(id, sheet, name));
}

PostLogic *DesignModel::addPostLogic(int id, int sheet, const QString &name)
{
    return append(m_postLogics, new PostLogic(id, sheet, name));
}

BlockItem *DesignModel::addFunction(int id, int sheet, const QString &name)
{
    return append(m_functionBlocks, new NIMFunction(id, sheet, name));
}

BlockItem *DesignModel::addPassThrough(int id, int sheet, const QString &name)
{
    const QString given = name.isEmpty() ? nextFreeName(QStringLiteral("NonFnc")) : name;
    return append(m_functionBlocks, new NIMNonFnc(id, sheet, given));
}

BlockItem *DesignModel::addFeedBack(int id, int sheet, const QString &name)
{
    BlockItem *block = append(m_outputBlocks, new DelayedOutput(id, sheet, name, BlockKind::FeedBack));
    emit labelBlockAdded(block);
    return block;
}

BlockItem *DesignModel::addLabelIn(int id, int sheet, const QString &name)
{
    BlockItem *block = append(m_outputBlocks, new NIMLabelIN(id, sheet, name));
    emit labelBlockAdded(block);
    return block;
}

BlockItem *DesignModel::addLabel(int id, int sheet, const QString &name)
{
    return append(m_labelBlocks, new NIMLabel(id, sheet, name));
}

BlockItem *DesignModel::addFunctionLabel(int id, int sheet, const QString &name)
{
    return append(m_labelBlocks, new NIMFncLabel(id, sheet, name));
}

BlockItem *DesignModel::addMeasureCounter(int id, int sheet, const QString &name)
{
    return addNumberedOutput(counterPrefix, measureCounterCount, id, sheet, name, true);
}

BlockItem *DesignModel::addOutput(int id, int sheet, const QString &name)
{
    return addNumberedOutput(outputPrefix, outputCount, id, sheet, name, false);
}

BlockItem *DesignModel::createBlock(const QString &term, int id, int sheet, const QString &name,
                                    ResourceCounters *counters)
{
    const BlockKind kind = BlockKinds::ofTerm(term);
    const QString resource = BlockKinds::traits(kind).resource;
    if (counters && !resource.isEmpty() && !counters->useResource(-1, resource))
        return nullptr;

    BlockItem *block = addOfKind(kind, id, sheet, name);
    if (!block) {
        if (counters && !resource.isEmpty())
            counters->useResource(1, resource);
        return nullptr;
    }
    block->setTerm(BlockKinds::isNamedByResource(kind) ? block->name() : term);
    return block;
}

BlockItem *DesignModel::addOfKind(BlockKind kind, int id, int sheet, const QString &name)
{
    switch (kind) {
    case BlockKind::Input:
        return addInput(id, sheet, name);
    case BlockKind::PreLogic:
        return addPreLogic(id, sheet, name);
    case BlockKind::PostLogic:
        return addPostLogic(id, sheet, name);
    case BlockKind::CounterFunction:
    case BlockKind::DelayFunction:
        return addFunction(id, sheet, name);
    case BlockKind::PassThrough:
        return addPassThrough(id, sheet, name);
    case BlockKind::FeedBack:
        return addFeedBack(id, sheet, name);
    case BlockKind::Label:
    case BlockKind::PreLabel:
        return addLabelIn(id, sheet, name);
    case BlockKind::Output:
        return addOutput(id, sheet, name);
    case BlockKind::MeasureCounter:
        return addMeasureCounter(id, sheet, name.trimmed());
    case BlockKind::FeedBackReference:
    case BlockKind::PreLabelReference:
        return addLabel(id, sheet, name);
    case BlockKind::LabelReference:
        return addFunctionLabel(id, sheet, name);
    case BlockKind::None:
        break;
    }
    return nullptr;
}

BlockItem *DesignModel::newNamed(const QString &prefix, int id, int sheet)
{
    const BlockKind kind = BlockKinds::ofGeneratedName(prefix);
    const QString name = kind == BlockKind::None ? QString() : nextFreeName(prefix);
    return name.isEmpty() ? nullptr : addOfKind(kind, id, sheet, name);
}

QString DesignModel::nextFreeName(const QString &prefix) const
{
    // No number ever frees a name of the fixed outputs: searching would not end.
    if (isFixedOutputName(prefix.trimmed()))
        return QString();
    // A block whose user name hides its resource name still holds that name.
    for (int n = 0;; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (isNameFree(candidate, false) && !findBlock(candidate))
            return candidate;
    }
}

bool DesignModel::isNameFree(const QString &name, bool alsoNames) const
{
    const QString trimmed = name.trimmed();
    if (isFixedOutputName(trimmed))
        return false;
    const QList<BlockItem *> blocks = allBlocks();
    for (const BlockItem *block : blocks) {
        if (block->displayName() == trimmed || (alsoNames && block->name() == trimmed))
            return false;
    }
    return true;
}

void DesignModel::freeResourceNames(const QString &resourceKind, QStringList &names,
                                    int sheet) const
{
    if (BlockKinds::ofTerm(resourceKind) == BlockKind::Input) {
        for (const QString &connector : m_inputNames) {
            if (!hasInputOnSheet(connector, sheet))
                names.append(connector);
        }
        return;
    }
    const BlockKind kind = BlockKinds::ofTerm(resourceKind);
    if (!BlockKinds::isNamedByResource(kind))
        return;
    const bool output = kind == BlockKind::Output;
    const QString prefix = output ? outputPrefix : counterPrefix;
    const int count = output ? outputCount : measureCounterCount;
    for (int unit = 0; unit < count; ++unit) {
        const QString candidate = prefix + QString::number(unit);
        const bool used = std::any_of(m_outputBlocks.cbegin(), m_outputBlocks.cend(),
                                      [&](const BlockItem *block) {
                                          return block->kind() == kind
                                                 && block->name() == candidate;
                                      });
        if (!used)
            names.append(candidate);
    }
}

BlockItem *DesignModel::findBlock(const QString &name, int sheet) const
{
    const QList<BlockItem *> blocks = allBlocks();
    for (BlockItem *block : blocks) {
        if ((sheet < 0 || block->sheet() == sheet) && block->name() == name)
            return block;
    }
    return nullptr;
}

void DesignModel::setBlockProperty(BlockItem *block, const QString &text)
{
    block->setProperty(text);
    emit blockChanged(block);
}

void DesignModel::setBlockUserName(BlockItem *block, const QString &userName)
{
    block->setUserName(userName);
    emit blockChanged(block);
}

void DesignModel::setBlockResource(BlockItem *block, const QString &name)
{
    block->setName(name);
    if (BlockKinds::isNamedByResource(block->kind()))
        block->setTerm(name);
    emit blockChanged(block);
}

void DesignModel::removeBlock(BlockItem *block)
{
    if (!block)
        return;
    const bool held = takeOut(m_inputBlocks, block) || takeOut(m_preLogics, block)
                      || takeOut(m_functionBlocks, block) || takeOut(m_postLogics, block)
                      || takeOut(m_outputBlocks, block) || takeOut(m_labelBlocks, block);
    if (!held)
        return;
    emit blockAboutToBeRemoved(block);
    detachEverywhere(block);
    delete block;
}

void DesignModel::clearDesign()
{
    const QList<BlockItem *> blocks = allBlocks();
    for (BlockItem *block : blocks)
        emit blockAboutToBeRemoved(block);
    // Every block goes, so no block needs to be told about the others.
    for (BlockItem *block : blocks)
        block->forgetConnections();
    m_inputBlocks.clear();
    m_preLogics.clear();
    m_postLogics.clear();
    m_functionBlocks.clear();
    m_outputBlocks.clear();
    m_labelBlocks.clear();
    qDeleteAll(blocks);
}

template<typename List>
bool DesignModel::takeOut(List &list, BlockItem *block)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i) == block) {
            list.removeAt(i);
            return true;
        }
    }
    return false;
}

template<typename Block, typename List>
Block *DesignModel::append(List &list, Block *block)
{
    list.append(block);
    return block;
}

BlockItem *DesignModel::addNumberedOutput(const QString &prefix, int count, int id, int sheet,
                                          const QString &name, bool measureCounter)
{
    QString given = name;
    if (name.isEmpty() || name == prefix) {
        given = firstFreeOutputName(prefix, count);
        if (given.isEmpty())
            return nullptr;
    }
    BlockItem *block = measureCounter ? static_cast<BlockItem *>(new NIMMsrCnt(id, sheet, given))
                                      : new DelayedOutput(id, sheet, given, BlockKind::Output);
    return append(m_outputBlocks, block);
}

QString DesignModel::firstFreeOutputName(const QString &prefix, int count) const
{
    for (int unit = 0; unit < count; ++unit) {
        const QString candidate = prefix + QString::number(unit);
        const bool used = std::any_of(m_outputBlocks.cbegin(), m_outputBlocks.cend(),
                                      [&](const BlockItem *block) { return block->name() == candidate; });
        if (!used)
            return candidate;
    }
    return QString();
}

bool DesignModel::isFixedOutputName(const QString &name)
{
    return name.startsWith(outputPrefix) || name.startsWith(counterPrefix);
}

bool DesignModel::hasInputOnSheet(const QString &connector, int sheet) const
{
    return std::any_of(m_inputBlocks.cbegin(), m_inputBlocks.cend(), [&](const BlockItem *block) {
        return block->name() == connector && (sheet < 0 || block->sheet() == sheet);
    });
}

void DesignModel::detachEverywhere(BlockItem *block)
{
    // Wire edits update inputs and fan-out in two steps; whatever a half-done
    // edit left behind must not outlive the block.
    const QList<BlockItem *> blocks = allBlocks();
    for (BlockItem *other : blocks) {
        other->removeSource(block);
        while (other->m_fanout.removeOne(block)) {
        }
    }
    block->forgetConnections();
}
