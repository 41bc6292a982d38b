// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/driverresolver.h"

#include "io/pastesession.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "model/wirerules.h"

#include <QCoreApplication>

namespace {

// First block of the list with this name on the sheet; any sheet when negative.
template<typename Block>
BlockItem *findIn(const QList<Block *> &list, const QString &name, int sheet)
{
    for (Block *block : list) {
        // The sheet first: comparing names is the expensive part.
        if ((sheet < 0 || block->sheet() == sheet) && block->name() == name)
            return block;
    }
    return nullptr;
}

} // namespace

DriverResolver::DriverResolver(const DocumentContext &context, bool &settingsApplied,
                               LoadNotes &notes)
    : m_context(context), m_settingsApplied(settingsApplied), m_notes(notes)
{
}

void DriverResolver::connectDrivers(BlockItem *block, const EntryKeys::KeyMap &nets, int sheet)
{
    const BlockKind kind = block->kind();
    for (auto it = nets.cbegin(); it != nets.cend(); ++it) {
        const int port = portFor(*block, it.key());
        if (port < 0) {
            m_notes.repair(QCoreApplication::translate("DriverResolver",
                                                       "%1: the input from '%2' names port %3, "
                                                       "which it does not have; left out")
                               .arg(block->name(), it.value(), it.key()));
            continue;
        }
        const QString name = m_paste ? m_paste->translated(it.value()) : it.value();
        BlockItem *driver = findDriver(kind, name, sheet);
        if (!driver || driver == block)
            continue;
        if (BlockKinds::isFunction(kind))
            connectFunctionInput(block, driver);
        else
            block->connectSource(port, driver);
    }
}

BlockItem *DriverResolver::findDriver(BlockKind kind, const QString &name, int sheet) const
{
    const DesignModel &model = *m_context.model;
    if (kind == BlockKind::PreLogic) {
        BlockItem *input = findIn(model.inputBlocks(), name, sheet);
        return input ? input : findOnSheet(name, sheet);
    }
    if (kind == BlockKind::PostLogic || kind == BlockKind::Label) {
        BlockItem *function = findIn(model.functionBlocks(), name, sheet);
        return function ? function : findIn(model.labelBlocks(), name, sheet);
    }
    if (BlockKinds::isFunction(kind)) {
        if (BlockItem *preLogic = findIn(model.preLogics(), name, sheet))
            return preLogic;
        BlockItem *label = findIn(model.labelBlocks(), name, sheet);
        // A paste stays on its sheet; a document may name a label elsewhere.
        return label || m_paste ? label : findIn(model.labelBlocks(), name, -1);
    }
    if (kind == BlockKind::PreLabel)
        return findIn(model.preLogics(), name, sheet);
    return findIn(model.postLogics(), name, sheet);
}

BlockItem *DriverResolver::findOnSheet(const QString &name, int sheet) const
{
    const Sheet *onSheet = m_context.sheets->sheet(sheet);
    if (!onSheet)
        return nullptr;
    for (BlockItem *block : onSheet->blocks()) {
        if (block->name() == name)
            return block;
    }
    return nullptr;
}

void DriverResolver::connectFunctionInput(BlockItem *function, BlockItem *driver)
{
    if (BlockKinds::isCountedFunction(function->kind())) {
        // A replaced source gives its line back, so counts stay true to the wires.
        if (const BlockItem *previous = function->source(0)) {
            const QString previousCounter = WireRules::connectionUnit(previous, function);
            if (!previousCounter.isEmpty())
                m_context.resources->useResource(+1, previousCounter);
        }
        const QString counter = WireRules::connectionUnit(driver, function);
        if (!counter.isEmpty() && !m_context.resources->useResource(-1, counter))
            m_settingsApplied = false;
    }
    function->connectSource(0, driver);
}

int DriverResolver::portFor(const BlockItem &block, const QString &key)
{
    // A function has one input whatever port the entry names.
    if (BlockKinds::isFunction(block.kind()))
        return 0;
    bool ok = false;
    const int port = key.toInt(&ok);
    return ok && port >= 0 && port < block.inputCount() ? port : -1;
}
