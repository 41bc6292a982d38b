#include "model/parameteredits.h"

#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/delayparameters.h"
#include "model/designmodel.h"
#include "model/measurecounterparameters.h"

ParameterEdits::ParameterEdits(DesignModel &model)
    : m_model(model)
{
}

bool ParameterEdits::setLogic(BlockItem *block, const QString &expression, const QList<int> &removedPorts)
{
    bool changed = false;
    for (int port : removedPorts) {
        BlockItem *source = block->source(port);
        if (!source)
            continue;
        source->removeFanout(block);
        block->eraseInput(port);
        changed = true;
    }
    return setProperty(block, expression) || changed;
}

bool ParameterEdits::setCounter(BlockItem *block, const CounterParameters &parameters)
{
    if (CounterParameters::fromProperty(block->property()) == parameters)
        return false;
    return setProperty(block, parameters.toProperty());
}

bool ParameterEdits::setDelay(BlockItem *block, const DelayParameters &parameters)
{
    if (DelayParameters::fromProperty(block->property()) == parameters)
        return false;
    return setProperty(block, parameters.toProperty());
}

bool ParameterEdits::setMeasureCounter(BlockItem *block, const MeasureCounterParameters &parameters,
                                       const QString &counterName)
{
    bool changed = false;
    if (MeasureCounterParameters::fromProperty(block->property()) != parameters)
        changed = setProperty(block, parameters.toProperty());
    QStringList free;
    m_model.freeResourceNames(block->term(), free, block->sheet());
    if (counterName.isEmpty() || !free.contains(counterName))
        return changed;
    if (block->name() == block->displayName())
        block->setUserName(counterName);
    block->setTerm(counterName);
    block->setName(counterName);
    return true;
}

bool ParameterEdits::setProperty(BlockItem *block, const QString &property)
{
    if (block->property() == property)
        return false;
    block->setProperty(property);
    return true;
}
