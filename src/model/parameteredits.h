// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class BlockItem;
class CounterParameters;
class DelayParameters;
class DesignEdits;
class DesignModel;
class MeasureCounterParameters;

// Applies what a parameter dialog accepted to a block, through the design's
// edit API. Each function returns whether the design changed; an unchanged
// value leaves the block alone, so that no edit step is recorded for it.
class ParameterEdits
{
public:
    ParameterEdits(const DesignModel &model, DesignEdits &edits);

    // Drops the connections of removedPorts, then stores the expression
    // (already checked by the caller).
    bool setLogic(BlockItem *block, const QString &expression, const QList<int> &removedPorts);
    bool setCounter(BlockItem *block, const CounterParameters &parameters);
    bool setDelay(BlockItem *block, const DelayParameters &parameters);
    // A non-empty counterName moves the block to that free measure counter;
    // a block showing its resource name keeps showing it (as user name).
    bool setMeasureCounter(BlockItem *block, const MeasureCounterParameters &parameters,
                           const QString &counterName);
    // Names an input or output block and moves it to `port` when that is not
    // its own. An input keeps the signal's name consistent: without a name of
    // its own it takes over the name the connector has elsewhere; with one it
    // gives that name to every input block of the connector.
    bool setPort(BlockItem *block, const QString &port, const QString &name);

private:
    bool setProperty(BlockItem *block, const QString &property);
    bool moveInput(BlockItem *block, const QString &port, const QString &name);

    const DesignModel &m_model;
    DesignEdits &m_edits;
};
