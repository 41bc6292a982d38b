// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/placement.h"

#include <QLatin1String>
#include <QString>

#include <cstddef>

class BlockItem;

// What a block is. The term written in documents names the kind: an exact
// word, or for the numbered resources and the label references a prefix
// followed by more ("NIM-OUT3", "MsrCnt0", "FeedBack2", "PreLabel1", "Label4").
enum class BlockKind {
    None,
    Input,
    PreLogic,
    CounterFunction,
    DelayFunction,
    PassThrough,
    PostLogic,
    FeedBack,          // defines a feedback path (output column)
    Label,             // defines a label fed by a function (post-logic column)
    PreLabel,          // defines a label fed by a pre-logic block (function column)
    Output,            // NIM-OUT<n>
    MeasureCounter,    // MsrCnt<n>
    FeedBackReference, // FeedBack<n> placed as a source in the pre-logic column
    PreLabelReference, // PreLabel<n>, the same for a PreLabel
    LabelReference,    // Label<n> placed as a source in the function column
};

// Which of the design model's six lists holds blocks of a kind.
enum class BlockList { None, Inputs, PreLogics, Functions, PostLogics, Outputs, References };

// The parameter editor a kind opens from its context menu.
enum class BlockEditor { None, Logic, CounterFunction, DelayFunction, MeasureCounter, Port };

struct BlockKindTraits
{
    BlockKind kind;
    QLatin1String term;     // the exact term, or the prefix of numbered terms
    bool numbered;          // the term is `term` followed by more
    SheetColumn column;
    int offset;             // pixels from the row top to the picture top
    QLatin1String resource; // counter taken per block (ResourceCounters); empty when none
    QLatin1String picture;  // file name under ":/images/"
    int inputCount;
    QLatin1String namePrefix; // prefix of generated names; empty when the model names it
    BlockList list;
    BlockEditor editor;
    bool renamable;         // takes a user name through the rename prompt

    bool hasEditor() const { return editor != BlockEditor::None; }
};

// The one table of block kinds; every "what kind is this block" question is
// answered here instead of by comparing term texts.
class BlockKinds
{
public:
    static constexpr size_t kindCount = static_cast<size_t>(BlockKind::LabelReference) + 1;

    // Traits of BlockKind::None for a term that names no kind.
    static BlockKind ofTerm(const QString &term);
    static const BlockKindTraits &traits(BlockKind kind);
    // The first kind whose generated names start like `name` ("DlyFnc3" →
    // DelayFunction, "Label" → Label); None when no kind names it.
    static BlockKind ofGeneratedName(const QString &name);

    static bool isLogic(BlockKind kind);
    // CntFnc and DlyFnc: their input holds a connection unit.
    static bool isCountedFunction(BlockKind kind);
    // CntFnc, DlyFnc and NonFnc.
    static bool isFunction(BlockKind kind);
    // The feedback block and its references.
    static bool isFeedback(BlockKind kind);
    // The label blocks and the references to labels (not to feedback paths).
    static bool isLabel(BlockKind kind);
    static bool isReference(BlockKind kind);
    // FeedBack, Label, PreLabel: the label bar lists them.
    static bool definesLabel(BlockKind kind);
    // NIM-OUT and MsrCnt blocks are named and termed by their resource.
    static bool isNamedByResource(BlockKind kind);
    // The number after the resource prefix of an output or measure counter
    // ("NIM-OUT3" → 3), -1 for any other block.
    static int resourceUnit(const BlockItem &block);
};
