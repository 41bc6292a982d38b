// SPDX-License-Identifier: GPL-3.0-or-later
#include "designbuilder.h"

#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QtGlobal>


DesignBuilder::DesignBuilder(DesignModel &model)
    : m_model(model)
{
}

BlockItem *DesignBuilder::create(const QString &term, const QString &name)
{
    BlockItem *block = m_model.createBlock(term, m_row++, 0, name);
    if (!block)
        qFatal("test design: no block of kind %s", qPrintable(term));
    return block;
}

void DesignBuilder::connect(BlockItem *destination, int port, BlockItem *source)
{
    if (source && destination->connectSource(port, source) != port)
        qFatal("test design: port %d of %s refused", port, qPrintable(destination->name()));
}

BlockItem *DesignBuilder::input(const QString &connector)
{
    return create(QStringLiteral("Input"), connector);
}

BlockItem *DesignBuilder::logic(const QString &term, const QString &prefix,
                                const QString &expression, const QList<BlockItem *> &sources)
{
    BlockItem *block = create(term, m_model.nextFreeName(prefix));
    block->setProperty(expression);
    for (int port = 0; port < sources.size(); ++port)
        connect(block, port, sources.at(port));
    return block;
}

BlockItem *DesignBuilder::preLogic(const QString &expression, const QList<BlockItem *> &sources)
{
    return logic(QStringLiteral("PreLogic"), QStringLiteral("PreLgc"), expression, sources);
}

BlockItem *DesignBuilder::postLogic(const QString &expression, const QList<BlockItem *> &sources)
{
    return logic(QStringLiteral("PostLogic"), QStringLiteral("PstLgc"), expression, sources);
}

BlockItem *DesignBuilder::function(const QString &term, const QString &property, BlockItem *source)
{
    BlockItem *block = create(term, m_model.nextFreeName(term));
    block->setProperty(property);
    connect(block, 0, source);
    return block;
}

BlockItem *DesignBuilder::counter(const QString &property, BlockItem *source)
{
    return function(QStringLiteral("CntFnc"), property, source);
}

BlockItem *DesignBuilder::delay(const QString &property, BlockItem *source)
{
    return function(QStringLiteral("DlyFnc"), property, source);
}

BlockItem *DesignBuilder::passThrough(BlockItem *source)
{
    return function(QStringLiteral("NonFnc"), QString(), source);
}

BlockItem *DesignBuilder::nimOutput(int k, BlockItem *source)
{
    BlockItem *block = create(QStringLiteral("NIM-OUT"), QStringLiteral("NIM-OUT%1").arg(k));
    connect(block, 0, source);
    return block;
}

BlockItem *DesignBuilder::measureCounter(int k, const QString &property, BlockItem *gate,
                                         BlockItem *src)
{
    BlockItem *block = create(QStringLiteral("MsrCnt"), QStringLiteral("MsrCnt%1").arg(k));
    block->setProperty(property);
    connect(block, 0, gate);
    connect(block, 1, src);
    return block;
}

BlockItem *DesignBuilder::feedback(const QString &name, BlockItem *source)
{
    BlockItem *block = create(QStringLiteral("FeedBack"), name);
    connect(block, 0, source);
    return block;
}

BlockItem *DesignBuilder::feedbackLabel(const QString &name)
{
    return create(name, name);
}

BlockItem *DesignBuilder::labelIn(const QString &name, BlockItem *source)
{
    BlockItem *block = create(QStringLiteral("PreLabel"), name);
    connect(block, 0, source);
    return block;
}

BlockItem *DesignBuilder::labelRef(const QString &name)
{
    return create(QStringLiteral("PreLabel1"), name);
}
