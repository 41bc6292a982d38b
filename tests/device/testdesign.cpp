// SPDX-License-Identifier: GPL-3.0-or-later
#include "testdesign.h"

#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QtGlobal>

namespace {
BlockItem *create(DesignModel &model, const QString &term, int row, const QString &name,
                  const QString &property = QString())
{
    BlockItem *block = model.createBlock(term, row, 0, name);
    if (!block)
        qFatal("test design: no block of kind %s", qPrintable(term));
    if (!property.isEmpty())
        block->setProperty(property);
    return block;
}

void wire(BlockItem *destination, int port, BlockItem *source)
{
    if (destination->connectSource(port, source) != port)
        qFatal("test design: port %d of %s refused", port, qPrintable(destination->name()));
}
}

void buildTestDesign(DesignModel &model)
{
    BlockItem *in0 = create(model, QStringLiteral("Input"), 0, QStringLiteral("NIM-IN-S0"));
    BlockItem *in1 = create(model, QStringLiteral("Input"), 1, QStringLiteral("NIM-IN-S1"));
    BlockItem *pre = create(model, QStringLiteral("PreLogic"), 2, QStringLiteral("PreLgc0"),
                            QStringLiteral("_A and not _B"));
    wire(pre, 0, in0);
    wire(pre, 1, in1);
    BlockItem *counter = create(model, QStringLiteral("CntFnc"), 3, QStringLiteral("CntFnc0"),
                                QStringLiteral("Mode=2 MainCnt=100nsec SubCnt=40nsec"));
    wire(counter, 0, pre);
    BlockItem *delay = create(model, QStringLiteral("DlyFnc"), 4, QStringLiteral("DlyFnc0"),
                              QStringLiteral("Delay=50ns"));
    wire(delay, 0, pre);
    BlockItem *post = create(model, QStringLiteral("PostLogic"), 5, QStringLiteral("PstLgc0"),
                             QStringLiteral("_A"));
    wire(post, 0, counter);
    wire(create(model, QStringLiteral("NIM-OUT"), 6, QStringLiteral("NIM-OUT0")), 0, post);
    BlockItem *delayed = create(model, QStringLiteral("PostLogic"), 8, QStringLiteral("PstLgc1"),
                                QStringLiteral("not _A"));
    wire(delayed, 0, delay);
    wire(create(model, QStringLiteral("NIM-OUT"), 9, QStringLiteral("NIM-OUT1")), 0, delayed);
    BlockItem *msr = create(model, QStringLiteral("MsrCnt"), 7, QStringLiteral("MsrCnt0"),
                            QStringLiteral("Mode=1 Unit=usec FileSave=0 PATH="));
    wire(msr, 0, post);
    wire(msr, 1, delayed);
}
