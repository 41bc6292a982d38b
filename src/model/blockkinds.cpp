// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/blockkinds.h"

#include "model/blockitem.h"

#include <array>

namespace {

using L = QLatin1String;
using C = SheetColumn;
using E = BlockEditor;

// Numbered kinds come after every exact word, so that "FeedBack" and "Label"
// find their defining kinds before their reference prefixes.
const std::array<BlockKindTraits, BlockKinds::kindCount> kindTable = {{
    {BlockKind::None, L(""), false, C::None, 0, L(""), L(""), 0, L(""), BlockList::None, E::None, false},
    {BlockKind::Input, L("Input"), false, C::Input, 104, L(""), L("label-IN.png"), 0, L(""),
     BlockList::Inputs, E::Port, true},
    {BlockKind::PreLogic, L("PreLogic"), false, C::PreLogic, 90, L(""), L("PreLgc.png"), 11,
     L("PreLgc"), BlockList::PreLogics, E::Logic, true},
    {BlockKind::CounterFunction, L("CntFnc"), false, C::Function, 104, L("CntFnc"), L("Function.png"), 1,
     L("CntFnc"), BlockList::Functions, E::CounterFunction, true},
    {BlockKind::DelayFunction, L("DlyFnc"), false, C::Function, 104, L("DlyFnc"), L("Function.png"), 1,
     L("DlyFnc"), BlockList::Functions, E::DelayFunction, true},
    {BlockKind::PassThrough, L("NonFnc"), false, C::Function, 116, L("NonFnc"), L("NonFnc.png"), 1,
     L("NonFnc"), BlockList::Functions, E::None, false},
    {BlockKind::PostLogic, L("PostLogic"), false, C::PostLogic, 90, L(""), L("PstLgc.png"), 11,
     L("PstLgc"), BlockList::PostLogics, E::Logic, true},
    {BlockKind::FeedBack, L("FeedBack"), false, C::Output, 104, L("FeedBack"), L("FeedBack.png"), 1,
     L("FeedBack"), BlockList::Outputs, E::None, true},
    {BlockKind::Label, L("Label"), false, C::PostLogic, 106, L(""), L("LabelIN.png"), 1, L("Label"),
     BlockList::Outputs, E::None, true},
    {BlockKind::PreLabel, L("PreLabel"), false, C::Function, 106, L(""), L("LabelIN.png"), 1,
     L("Label"), BlockList::Outputs, E::None, true},
    {BlockKind::Output, L("NIM-OUT"), true, C::Output, 104, L("NIM-OUT"), L("NIMout.png"), 1, L(""),
     BlockList::Outputs, E::Port, true},
    {BlockKind::MeasureCounter, L("MsrCnt"), true, C::Output, 106, L("MsrCnt"), L("MsrCnt3.png"), 2,
     L(""), BlockList::Outputs, E::MeasureCounter, true},
    {BlockKind::FeedBackReference, L("FeedBack"), true, C::PreLogic, 106, L(""), L("Label.png"), 1,
     L(""), BlockList::References, E::None, false},
    {BlockKind::PreLabelReference, L("PreLabel"), true, C::PreLogic, 106, L(""), L("Label.png"), 1,
     L(""), BlockList::References, E::None, false},
    {BlockKind::LabelReference, L("Label"), true, C::Function, 106, L(""), L("FncLabel.png"), 1,
     L(""), BlockList::References, E::None, false},
}};

bool matches(const BlockKindTraits &traits, const QString &term)
{
    if (!traits.numbered)
        return term == traits.term;
    // The resources take their bare prefix too (the model then picks a unit);
    // a bare reference prefix is the defining kind, matched before.
    return term.startsWith(traits.term);
}

} // namespace

BlockKind BlockKinds::ofTerm(const QString &term)
{
    if (term.isEmpty())
        return BlockKind::None;
    for (const BlockKindTraits &traits : kindTable) {
        if (traits.kind != BlockKind::None && matches(traits, term))
            return traits.kind;
    }
    return BlockKind::None;
}

BlockKind BlockKinds::ofGeneratedName(const QString &name)
{
    for (const BlockKindTraits &traits : kindTable) {
        if (!traits.namePrefix.isEmpty() && name.startsWith(traits.namePrefix))
            return traits.kind;
    }
    return BlockKind::None;
}

const BlockKindTraits &BlockKinds::traits(BlockKind kind)
{
    return kindTable[static_cast<size_t>(kind)];
}

bool BlockKinds::isLogic(BlockKind kind)
{
    return kind == BlockKind::PreLogic || kind == BlockKind::PostLogic;
}

bool BlockKinds::isCountedFunction(BlockKind kind)
{
    return kind == BlockKind::CounterFunction || kind == BlockKind::DelayFunction;
}

bool BlockKinds::isFunction(BlockKind kind)
{
    return traits(kind).list == BlockList::Functions;
}

bool BlockKinds::isFeedback(BlockKind kind)
{
    return kind == BlockKind::FeedBack || kind == BlockKind::FeedBackReference;
}

bool BlockKinds::isLabel(BlockKind kind)
{
    return kind == BlockKind::Label || kind == BlockKind::PreLabel
           || kind == BlockKind::PreLabelReference || kind == BlockKind::LabelReference;
}

bool BlockKinds::isReference(BlockKind kind)
{
    return traits(kind).list == BlockList::References;
}

bool BlockKinds::definesLabel(BlockKind kind)
{
    return kind == BlockKind::FeedBack || kind == BlockKind::Label || kind == BlockKind::PreLabel;
}

bool BlockKinds::isNamedByResource(BlockKind kind)
{
    return kind == BlockKind::Output || kind == BlockKind::MeasureCounter;
}

int BlockKinds::resourceUnit(const BlockItem &block)
{
    if (!isNamedByResource(block.kind()))
        return -1;
    bool ok = false;
    const int unit = block.term().mid(traits(block.kind()).term.size()).toInt(&ok);
    return ok ? unit : -1;
}
