// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/truthtable.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>

class BlockItem;

// The expression language of pre-logic and post-logic blocks: variables _A.._K
// (input ports 0..10), true, false, not, and, xor, or and parentheses.
// Errors are thrown as translated message texts (QString); the block-level
// functions put the block's name and ": " in front of them.
class LogicEvaluator
{
    Q_DECLARE_TR_FUNCTIONS(LogicEvaluator)

public:
    static constexpr int InputCount = TruthTable::InputCount;
    // Nesting of "(" and "not" beyond this is refused instead of risking
    // the stack of the worker thread.
    static constexpr int MaxNesting = 256;
    // Characters. Far beyond any real expression; longer texts are refused
    // where they are typed and read, since the editor's colouring and layout
    // grow with the text.
    static constexpr int MaxExpressionLength = 16384;
    // Offending tokens longer than this are echoed cut, with an ellipsis.
    static constexpr int MaxEchoedToken = 40;
    using Values = std::array<bool, InputCount>;

    // Splits at blanks; only one parenthesis is split off at each end of a
    // word. The list always ends with "EOF".
    static QStringList tokenize(const QString &text);
    // ")" 1, "or" 2, "xor" 3, "and" 4, "not" 5, "(" 6, anything else -1.
    static int expressionPrecedence(const QString &token);

    // "The expression is longer than 16384 characters."
    static QString tooLongText();

    static bool evaluateExpression(const QString &text, const Values &values);
    // Same parse as evaluateExpression, carried out once for all 2048 input
    // combinations; fails with the same messages.
    static TruthTable expressionTable(const QString &text);

    // False for a block without an expression.
    static bool evaluateBlockExpression(const BlockItem *block, const Values &values);
    static TruthTable blockExpressionTable(const BlockItem *block);

    // Bit i (1..10) of pattern is the level of connectorNames()[i - 1]; it
    // drives the first port of the block whose source carries that name.
    static bool evaluatePreLogic(const BlockItem *block, quint16 pattern);
    static const QStringList &connectorNames();

private:
    static QString withBlockName(const BlockItem *block, const QString &message);
};
