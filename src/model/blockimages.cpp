// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/blockimages.h"

#include "model/blockitem.h"
#include "model/counterparameters.h"
#include "model/measurecounterparameters.h"

#include <QHash>

#include <array>

namespace {

const QHash<QString, QSize> &imageSizes()
{
    static const QHash<QString, QSize> sizes = {
        {QStringLiteral("PreLgc.png"), {110, 60}},   {QStringLiteral("PstLgc.png"), {110, 60}},
        {QStringLiteral("label-IN.png"), {110, 32}}, {QStringLiteral("Function.png"), {110, 32}},
        {QStringLiteral("Function0.png"), {110, 32}}, {QStringLiteral("NonFnc.png"), {110, 8}},
        {QStringLiteral("LabelIN.png"), {110, 28}},  {QStringLiteral("Label.png"), {110, 28}},
        {QStringLiteral("FncLabel.png"), {110, 28}}, {QStringLiteral("FeedBack.png"), {176, 32}},
        {QStringLiteral("NIMout.png"), {176, 32}},   {QStringLiteral("MsrCnt.png"), {176, 28}},
        {QStringLiteral("MsrCnt1.png"), {176, 28}},  {QStringLiteral("MsrCnt2.png"), {176, 28}},
        {QStringLiteral("MsrCnt3.png"), {176, 28}},
    };
    return sizes;
}

QString measureCounterImage(int mode)
{
    if (mode == 0)
        return QStringLiteral("MsrCnt3.png");
    if ((mode & 3) == 0)
        return QStringLiteral("MsrCnt2.png");
    if ((mode & 12) != 0)
        return QStringLiteral("MsrCnt.png");
    return QStringLiteral("MsrCnt1.png");
}

} // namespace

QSize BlockImages::size(const QString &fileName)
{
    return imageSizes().value(fileName);
}

QSize BlockImages::sizeOf(BlockKind kind)
{
    // Geometry asks for sizes all the time; the file table is read once.
    static const auto sizes = [] {
        std::array<QSize, BlockKinds::kindCount> table{};
        for (size_t k = 0; k < table.size(); ++k)
            table[k] = size(BlockKinds::traits(static_cast<BlockKind>(k)).picture);
        return table;
    }();
    return sizes[static_cast<size_t>(kind)];
}

QString BlockImages::placedImageFile(const BlockItem &block)
{
    // The oscillator, which takes no input, has a picture without one.
    if (block.kind() == BlockKind::CounterFunction
        && !CounterParameters::fromProperty(block.property()).takesInput())
        return QStringLiteral("Function0.png");
    if (block.kind() == BlockKind::MeasureCounter)
        return measureCounterImage(MeasureCounterParameters::fromProperty(block.property()).mode());
    return QString();
}
