#include "io/driverresolver.h"

#include "io/pastesession.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QCoreApplication>

namespace {

// First block of the list with this name on the sheet; any sheet when negative.
template<typename Block>
BlockItem *findIn(const QList<Block *> &list, const QString &name, int sheet)
{
    for (Block *block : list) {
        if (block->name() == name && (sheet < 0 || block->sheet() == sheet))
            return block;
    }
    return nullptr;
}

bool isFunctionTerm(const QString &term)
{
    return term == QLatin1String("CntFnc") || term == QLatin1String("DlyFnc")
           || term == QLatin1String("NonFnc");
}

} // namespace

DriverResolver::DriverResolver(const DocumentContext &context, bool &settingsApplied,
                               LoadNotes &notes)
    : m_context(context), m_settingsApplied(settingsApplied), m_notes(notes)
{
}

void DriverResolver::connectDrivers(BlockItem *block, const EntryKeys::KeyMap &nets, int sheet)
{
    const QString term = block->term();
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
        BlockItem *driver = findDriver(term, name, sheet);
        if (!driver || driver == block)
            continue;
        if (isFunctionTerm(term))
            connectFunctionInput(block, driver);
        else
            block->connectSource(port, driver);
    }
}

BlockItem *DriverResolver::findDriver(const QString &term, const QString &name, int sheet) const
{
    const DesignModel &model = *m_context.model;
    if (term == QLatin1String("PreLogic")) {
        BlockItem *input = findIn(model.inputBlocks(), name, sheet);
        return input ? input : findOnSheet(name, sheet);
    }
    if (term == QLatin1String("PostLogic") || term == QLatin1String("Label")) {
        BlockItem *function = findIn(model.functionBlocks(), name, sheet);
        return function ? function : findIn(model.labelBlocks(), name, sheet);
    }
    if (isFunctionTerm(term)) {
        if (BlockItem *preLogic = findIn(model.preLogics(), name, sheet))
            return preLogic;
        BlockItem *label = findIn(model.labelBlocks(), name, sheet);
        // A paste stays on its sheet; a document may name a label elsewhere.
        return label || m_paste ? label : findIn(model.labelBlocks(), name, -1);
    }
    if (term == QLatin1String("PreLabel"))
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
    const QString term = function->term();
    if (term == QLatin1String("CntFnc") || term == QLatin1String("DlyFnc")) {
        // A replaced source gives its line back, so counts stay true to the wires.
        if (const BlockItem *previous = function->source(0)) {
            const QString previousCounter = counterFor(*previous);
            if (!previousCounter.isEmpty())
                m_context.resources->useResource(+1, previousCounter);
        }
        const QString counter = counterFor(*driver);
        if (!counter.isEmpty() && !m_context.resources->useResource(-1, counter))
            m_settingsApplied = false;
    }
    function->connectSource(0, driver);
}

QString DriverResolver::counterFor(const BlockItem &driver)
{
    const QString term = driver.term();
    if (term.startsWith(QLatin1String("FeedBack")))
        return QStringLiteral("FeedBackInfo");
    if (term == QLatin1String("PreLogic") || term.contains(QLatin1String("Label")))
        return QStringLiteral("PreLogicInfo");
    return QString();
}

int DriverResolver::portFor(const BlockItem &block, const QString &key)
{
    // A function has one input whatever port the entry names.
    if (isFunctionTerm(block.term()))
        return 0;
    bool ok = false;
    const int port = key.toInt(&ok);
    return ok && port >= 0 && port < block.inputCount() ? port : -1;
}
