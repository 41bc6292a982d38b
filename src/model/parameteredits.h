#pragma once

#include <QList>
#include <QString>

class BlockItem;
class CounterParameters;
class DelayParameters;
class DesignModel;
class MeasureCounterParameters;

// Applies what a parameter dialog accepted to a block. Each function returns
// whether the design changed; an unchanged value leaves the block alone, so
// that no edit step is recorded for it.
class ParameterEdits
{
public:
    explicit ParameterEdits(DesignModel &model);

    // Drops the connections of removedPorts, then stores the expression
    // (already checked by the caller).
    bool setLogic(BlockItem *block, const QString &expression, const QList<int> &removedPorts);
    bool setCounter(BlockItem *block, const CounterParameters &parameters);
    bool setDelay(BlockItem *block, const DelayParameters &parameters);
    // A non-empty counterName moves the block to that free measure counter;
    // a block showing its resource name keeps showing it (as user name).
    bool setMeasureCounter(BlockItem *block, const MeasureCounterParameters &parameters,
                           const QString &counterName);

private:
    bool setProperty(BlockItem *block, const QString &property);

    DesignModel &m_model;
};
