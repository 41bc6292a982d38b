// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/parameteredits.h"

#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/counterparameters.h"
#include "model/delayparameters.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/measurecounterparameters.h"

ParameterEdits::ParameterEdits(const DesignModel &model, DesignEdits &edits)
    : m_model(model),
      m_edits(edits)
{
}

bool ParameterEdits::setLogic(BlockItem *block, const QString &expression, const QList<int> &removedPorts)
{
    bool changed = false;
    for (int port : removedPorts) {
        if (block->source(port))
            changed = m_edits.disconnect(block, port) || changed;
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
    if (counterName.isEmpty())
        return changed;
    const bool showsResourceName = block->name() == block->displayName();
    if (!m_edits.moveToResource(block, counterName))
        return changed;
    if (showsResourceName)
        m_edits.renameBlock(block, counterName);
    return true;
}

bool ParameterEdits::setPort(BlockItem *block, const QString &port, const QString &name)
{
    if (port == block->name()) {
        if (block->userName() == name)
            return false;
        m_edits.renameBlock(block, name);
        return true;
    }
    if (block->kind() == BlockKind::Input)
        return moveInput(block, port, name);
    if (!m_edits.moveToResource(block, port))
        return false;
    m_edits.renameBlock(block, name);
    return true;
}

bool ParameterEdits::moveInput(BlockItem *block, const QString &port, const QString &name)
{
    QString userName = name;
    const BlockItem *connector = m_model.findBlock(port);
    if (connector && connector->kind() == BlockKind::Input && name == port)
        userName = connector->displayName();
    if (!m_edits.moveInputToPort(block, port))
        return false;
    m_edits.renameBlock(block, userName);
    return true;
}

bool ParameterEdits::setProperty(BlockItem *block, const QString &property)
{
    if (block->property() == property)
        return false;
    m_edits.setProperty(block, property);
    return true;
}
