// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/logicevaluator.h"

#include "model/blockitem.h"
#include "model/operationerror.h"

namespace {

const QString EndToken = QStringLiteral("EOF");
const QString OpenToken = QStringLiteral("(");
const QString CloseToken = QStringLiteral(")");
const QString NotToken = QStringLiteral("not");

enum class BinaryOperator { None, And, Or, Xor };

BinaryOperator binaryOperator(const QString &token)
{
    if (token == QLatin1String("and"))
        return BinaryOperator::And;
    if (token == QLatin1String("or"))
        return BinaryOperator::Or;
    if (token == QLatin1String("xor"))
        return BinaryOperator::Xor;
    return BinaryOperator::None;
}

// -1 unless the token is one of _A.._K.
int variableIndex(const QString &token)
{
    if (token.size() != 2 || token.at(0) != QLatin1Char('_'))
        return -1;
    const char16_t letter = token.at(1).unicode();
    if (letter < u'A' || letter >= u'A' + LogicEvaluator::InputCount)
        return -1;
    return letter - u'A';
}

bool constantOf(bool, bool value)
{
    return value;
}

TruthTable constantOf(const TruthTable &, bool value)
{
    return TruthTable::constant(value);
}

bool negated(bool value)
{
    return !value;
}

TruthTable negated(const TruthTable &value)
{
    return ~value;
}

template <typename V>
V combined(BinaryOperator op, const V &left, const V &right)
{
    switch (op) {
    case BinaryOperator::And:
        return V(left & right);
    case BinaryOperator::Or:
        return V(left | right);
    default:
        return V(left ^ right);
    }
}

// Precedence climbing over the token list. V is bool for one input
// combination or TruthTable for all of them at once: the parse never depends
// on the values, so both give the same results and the same errors.
template <typename V>
class ExpressionParser
{
public:
    using Variables = std::array<V, LogicEvaluator::InputCount>;

    ExpressionParser(const QStringList &tokens, const Variables &variables)
        : m_variables(variables)
    {
        m_tokens.reserve(tokens.size());
        for (const QString &text : tokens)
            m_tokens.push_back(Token{text, false, V{}});
    }

    V evaluate() { return expression(0); }

private:
    struct Token
    {
        QString text;
        bool substituted; // overwritten by the back-step with a computed value
        V value;
    };

    const QString &currentText() const
    {
        return m_cursor < m_tokens.size() ? m_tokens[m_cursor].text : EndToken;
    }

    [[noreturn]] static void failAt(const QString &token)
    {
        throw OperationError(LogicEvaluator::tr("invalid at '%1'").arg(echoed(token)));
    }

    static QString echoed(const QString &token)
    {
        if (token.size() <= LogicEvaluator::MaxEchoedToken)
            return token;
        return token.left(LogicEvaluator::MaxEchoedToken) + QChar(0x2026);
    }

    void enterNesting(const QString &token)
    {
        if (++m_depth > LogicEvaluator::MaxNesting)
            throw OperationError(
                LogicEvaluator::tr("invalid at '%1' --- nested deeper than %2 levels.")
                    .arg(token)
                    .arg(LogicEvaluator::MaxNesting));
    }

    V operand()
    {
        if (m_cursor < m_tokens.size() && m_tokens[m_cursor].substituted)
            return m_tokens[m_cursor++].value;
        const QString token = currentText();
        if (token == EndToken)
            throw OperationError(LogicEvaluator::tr("invalid at EOF"));
        if (token == OpenToken) {
            enterNesting(token);
            ++m_cursor;
            const V value = expression(1);
            --m_depth;
            return value;
        }
        if (token == NotToken) {
            enterNesting(token);
            ++m_cursor;
            const V value = negated(expression(5));
            --m_depth;
            return value;
        }
        const int variable = variableIndex(token);
        if (variable >= 0) {
            ++m_cursor;
            return m_variables[variable];
        }
        if (token == QLatin1String("true") || token == QLatin1String("false")) {
            ++m_cursor;
            return constantOf(V{}, token == QLatin1String("true"));
        }
        failAt(token);
    }

    V expression(int level)
    {
        V left = operand();
        for (;;) {
            const QString &token = currentText();
            if (token == EndToken) {
                if (level == 1)
                    throw OperationError(LogicEvaluator::tr("invalid --- ')' is missimg."));
                return left;
            }
            if (token == CloseToken) {
                if (level == 0)
                    failAt(token);
                if (level == 1)
                    ++m_cursor;
                return left;
            }
            const BinaryOperator op = binaryOperator(token);
            if (op == BinaryOperator::None)
                failAt(token);
            const int precedence = LogicEvaluator::expressionPrecedence(token);
            if (level >= precedence)
                return left;
            ++m_cursor;
            V right = operand();
            if (precedence < LogicEvaluator::expressionPrecedence(currentText())) {
                // A tighter operator follows: the right operand becomes the
                // first operand of that tighter expression.
                Token &last = m_tokens[--m_cursor];
                last.substituted = true;
                last.value = right;
                right = expression(precedence);
            }
            left = combined(op, left, right);
        }
    }

    std::vector<Token> m_tokens;
    const Variables &m_variables;
    size_t m_cursor = 0;
    int m_depth = 0;
};

QStringList checkedTokens(const QString &text)
{
    if (text.size() > LogicEvaluator::MaxExpressionLength)
        throw OperationError(LogicEvaluator::tooLongText());
    return LogicEvaluator::tokenize(text);
}

} // namespace

QStringList LogicEvaluator::tokenize(const QString &text)
{
    QStringList tokens;
    const QStringList words = text.simplified().split(QLatin1Char(' '));
    for (const QString &word : words) {
        const qsizetype firstClose = word.indexOf(CloseToken);
        const qsizetype last = word.size() - 1;
        if (word.startsWith(OpenToken)) {
            if (word == OpenToken) {
                tokens << word;
            } else if (firstClose == last && firstClose >= 2) {
                tokens << word.mid(1, word.size() - 2);
            } else {
                tokens << OpenToken << word.mid(1);
            }
        } else if (word.startsWith(CloseToken)) {
            tokens << CloseToken;
        } else if (firstClose == last) {
            // Also reached by the empty word of an empty text (-1 == -1).
            tokens << word.left(qMax<qsizetype>(last, 0)) << CloseToken;
        } else {
            tokens << word;
        }
    }
    tokens << EndToken;
    return tokens;
}

int LogicEvaluator::expressionPrecedence(const QString &token)
{
    if (token == CloseToken)
        return 1;
    if (token == OpenToken)
        return 6;
    if (token == NotToken)
        return 5;
    switch (binaryOperator(token)) {
    case BinaryOperator::Or:
        return 2;
    case BinaryOperator::Xor:
        return 3;
    case BinaryOperator::And:
        return 4;
    default:
        return -1;
    }
}

QString LogicEvaluator::tooLongText()
{
    return tr("The expression is longer than %1 characters.").arg(MaxExpressionLength);
}

bool LogicEvaluator::evaluateExpression(const QString &text, const Values &values)
{
    return ExpressionParser<bool>(checkedTokens(text), values).evaluate();
}

TruthTable LogicEvaluator::expressionTable(const QString &text)
{
    static const auto variables = [] {
        std::array<TruthTable, InputCount> tables;
        for (int input = 0; input < InputCount; ++input)
            tables[input] = TruthTable::variable(input);
        return tables;
    }();
    return ExpressionParser<TruthTable>(checkedTokens(text), variables).evaluate();
}

bool LogicEvaluator::evaluateBlockExpression(const BlockItem *block, const Values &values)
{
    if (block->property().isEmpty())
        return false;
    try {
        return evaluateExpression(block->property(), values);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        throw OperationError(withBlockName(block, message));
    }
}

TruthTable LogicEvaluator::blockExpressionTable(const BlockItem *block)
{
    if (block->property().isEmpty())
        return TruthTable::constant(false);
    try {
        return expressionTable(block->property());
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        throw OperationError(withBlockName(block, message));
    }
}

bool LogicEvaluator::evaluatePreLogic(const BlockItem *block, quint16 pattern)
{
    if (block->property().isEmpty())
        return false;
    Values values{};
    const QStringList &names = connectorNames();
    for (int bit = 1; bit <= names.size(); ++bit) {
        if (!(pattern & (1u << bit)))
            continue;
        for (int port = 0; port < InputCount; ++port) {
            const BlockItem *source = block->source(port);
            if (source && source->name() == names.at(bit - 1)) {
                values[port] = true;
                break;
            }
        }
    }
    try {
        return evaluateExpression(block->property(), values);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        throw OperationError(withBlockName(block, message));
    }
}

const QStringList &LogicEvaluator::connectorNames()
{
    static const QStringList names = {
        QStringLiteral("NIM-IN-S0"), QStringLiteral("NIM-IN-S1"), QStringLiteral("NIM-IN-S2"),
        QStringLiteral("NIM-IN-S3"), QStringLiteral("NIM-IN-S4"), QStringLiteral("NIM-IN-S5"),
        QStringLiteral("NIM-IN-S6"), QStringLiteral("NIM-IN-S7"), QStringLiteral("NIM-IN-M"),
        QStringLiteral("BNC-IN")};
    return names;
}

QString LogicEvaluator::withBlockName(const BlockItem *block, const QString &message)
{
    return block->name() + QStringLiteral(": ") + message;
}
