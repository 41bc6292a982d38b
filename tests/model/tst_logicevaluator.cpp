// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "model/designmodel.h"
#include "model/logicevaluator.h"
#include "model/prelogic.h"
#include "model/operationerror.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

namespace {

using Values = LogicEvaluator::Values;

Values valuesOf(int combination)
{
    Values values{};
    for (int i = 0; i < LogicEvaluator::InputCount; ++i)
        values[i] = combination & (1 << i);
    return values;
}

// Truth table over _A, _B, _C: bit n is the value for A = n & 1, B = n & 2, C = n & 4.
int tableOf(const std::function<bool(bool, bool, bool)> &function)
{
    int table = 0;
    for (int n = 0; n < 8; ++n) {
        if (function(n & 1, n & 2, n & 4))
            table |= 1 << n;
    }
    return table;
}

QString errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        return message;
    }
    return QString();
}

// The evaluation algorithm written out step by step, with the back-step
// rewriting the token list in place as the language describes it. The real
// evaluator keeps computed values beside the tokens instead; both must give
// the same values and the same messages.
class LiteralEvaluator
{
public:
    LiteralEvaluator(const QString &text, const Values &values)
        : m_tokens(LogicEvaluator::tokenize(text))
        , m_values(values)
    {
    }

    bool evaluate() { return expression(0); }

private:
    static int precedence(const QString &token)
    {
        static const QHash<QString, int> table = {{")", 1}, {"or", 2}, {"xor", 3},
                                                  {"and", 4}, {"not", 5}, {"(", 6}};
        return table.value(token, -1);
    }

    bool operand()
    {
        QString token = m_tokens.at(m_cursor);
        if (token == "EOF")
            throw OperationError(QStringLiteral("invalid at EOF"));
        if (token == "(") {
            ++m_cursor;
            return expression(1);
        }
        if (token == "not") {
            ++m_cursor;
            return !expression(5);
        }
        static const QStringList variables = {"_A", "_B", "_C", "_D", "_E", "_F",
                                              "_G", "_H", "_I", "_J", "_K"};
        const int variable = variables.indexOf(token);
        if (variable >= 0)
            token = m_values[variable] ? "true" : "false";
        if (token != "true" && token != "false")
            throw OperationError(QStringLiteral("invalid at '%1'").arg(token));
        ++m_cursor;
        return token == "true";
    }

    bool expression(int level)
    {
        bool left = operand();
        for (;;) {
            const QString token = m_tokens.at(m_cursor);
            if (token == "EOF") {
                if (level == 1)
                    throw OperationError(QStringLiteral("invalid --- ')' is missimg."));
                return left;
            }
            if (token == ")") {
                if (level == 0)
                    throw OperationError(QStringLiteral("invalid at ')'"));
                if (level == 1)
                    ++m_cursor;
                return left;
            }
            if (token != "and" && token != "or" && token != "xor")
                throw OperationError(QStringLiteral("invalid at '%1'").arg(token));
            const int p = precedence(token);
            if (level >= p)
                return left;
            ++m_cursor;
            bool right = operand();
            if (p < precedence(m_tokens.at(m_cursor))) {
                --m_cursor;
                m_tokens[m_cursor] = right ? "true" : "false";
                right = expression(p);
            }
            if (token == "and")
                left = left && right;
            else if (token == "or")
                left = left || right;
            else
                left = left != right;
        }
    }

    QStringList m_tokens;
    const Values &m_values;
    int m_cursor = 0;
};

// Value or message of one evaluation, for comparing evaluators.
struct Outcome
{
    bool value = false;
    QString error;
    bool operator==(const Outcome &other) const
    {
        return error == other.error && (!error.isEmpty() || value == other.value);
    }
};

Outcome outcomeOf(const std::function<bool()> &evaluation)
{
    Outcome outcome;
    try {
        outcome.value = evaluation();
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        outcome.error = message;
    }
    return outcome;
}

} // namespace

class TestLogicEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void evaluatesWithPrecedence_data();
    void evaluatesWithPrecedence();
    void tokenizes_data();
    void tokenizes();
    void rejectsWithMessage_data();
    void rejectsWithMessage();
    void refusesDeepNestingWithoutCrash();
    void acceptsNestingUpToTheLimit();
    void evaluatorsAgreeOnRandomTokens();
    void preLogicReadsInputsByConnectorName();
    void blockErrorsCarryTheBlockName();
    void setExpressionChecksSyntax();
};

void TestLogicEvaluator::evaluatesWithPrecedence_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("table");
    QTest::newRow("or binds looser than and")
        << "_A or _B and _C" << tableOf([](bool a, bool b, bool c) { return a || (b && c); });
    QTest::newRow("and before or")
        << "_A and _B or _C" << tableOf([](bool a, bool b, bool c) { return (a && b) || c; });
    QTest::newRow("xor before or")
        << "_A xor _B or _C" << tableOf([](bool a, bool b, bool c) { return (a != b) || c; });
    QTest::newRow("or then xor")
        << "_A or _B xor _C" << tableOf([](bool a, bool b, bool c) { return a || (b != c); });
    QTest::newRow("and then xor")
        << "_A xor _B and _C" << tableOf([](bool a, bool b, bool c) { return a != (b && c); });
    QTest::newRow("left to right")
        << "_A and _B and _C" << tableOf([](bool a, bool b, bool c) { return a && b && c; });
    QTest::newRow("chain climbs and falls")
        << "_A or _B xor _C and _A or _C"
        << tableOf([](bool a, bool b, bool c) { return a || (b != (c && a)) || c; });
    QTest::newRow("not binds one operand")
        << "not _A and _B" << tableOf([](bool a, bool b, bool) { return !a && b; });
    QTest::newRow("double not") << "not not _A" << tableOf([](bool a, bool, bool) { return a; });
    QTest::newRow("not of a group")
        << "not ( _A or _B )" << tableOf([](bool a, bool b, bool) { return !(a || b); });
    QTest::newRow("parentheses against words")
        << "(_A or _B) and _C" << tableOf([](bool a, bool b, bool c) { return (a || b) && c; });
    QTest::newRow("parentheses as words")
        << "( _A or _B ) and _C" << tableOf([](bool a, bool b, bool c) { return (a || b) && c; });
    QTest::newRow("group on the right")
        << "_C and (_A or _B)" << tableOf([](bool a, bool b, bool c) { return c && (a || b); });
    QTest::newRow("group after looser operator")
        << "_A or ( _B ) and _C" << tableOf([](bool a, bool b, bool c) { return a || (b && c); });
    QTest::newRow("variable in one word") << "(_B)" << tableOf([](bool, bool b, bool) { return b; });
    QTest::newRow("nested groups")
        << "( ( _A xor _B ) and _C )"
        << tableOf([](bool a, bool b, bool c) { return (a != b) && c; });
    QTest::newRow("true") << "true" << 0xff;
    QTest::newRow("false") << "false" << 0;
    QTest::newRow("not false") << "not false" << 0xff;
    QTest::newRow("white space") << "\t _A \n  and\t_B  " << tableOf([](bool a, bool b, bool) {
        return a && b;
    });
    QTest::newRow("EOF word ends the input") << "_A EOF junk" << tableOf([](bool a, bool, bool) {
        return a;
    });
}

void TestLogicEvaluator::evaluatesWithPrecedence()
{
    QFETCH(QString, expression);
    QFETCH(int, table);
    const TruthTable truth = LogicEvaluator::expressionTable(expression);
    for (int n = 0; n < 8; ++n) {
        const bool expected = table & (1 << n);
        QCOMPARE(LogicEvaluator::evaluateExpression(expression, valuesOf(n)), expected);
        QCOMPARE(truth.at(n), expected);
    }
}

void TestLogicEvaluator::tokenizes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tokens");
    const QString eof = QStringLiteral("EOF");
    QTest::newRow("empty") << "" << QStringList{"", ")", eof};
    QTest::newRow("open alone") << "( _A )" << QStringList{"(", "_A", ")", eof};
    QTest::newRow("open against word") << "(_A" << QStringList{"(", "_A", eof};
    QTest::newRow("close against word") << "_A)" << QStringList{"_A", ")", eof};
    QTest::newRow("enclosed word") << "(_A)" << QStringList{"_A", eof};
    QTest::newRow("empty parentheses") << "()" << QStringList{"(", ")", eof};
    QTest::newRow("two opening") << "((_A" << QStringList{"(", "(_A", eof};
    QTest::newRow("two closing stay one token") << "_A))" << QStringList{"_A))", eof};
    QTest::newRow("leading close drops the rest") << ")_A" << QStringList{")", eof};
    QTest::newRow("close inside word") << "_A)b" << QStringList{"_A)b", eof};
    QTest::newRow("runs of blanks") << "  _A   or\t\t_B " << QStringList{"_A", "or", "_B", eof};
}

void TestLogicEvaluator::tokenizes()
{
    QFETCH(QString, text);
    QFETCH(QStringList, tokens);
    QCOMPARE(LogicEvaluator::tokenize(text), tokens);
}

void TestLogicEvaluator::rejectsWithMessage_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("message");
    QTest::newRow("trailing operator") << "_A and" << "invalid at EOF";
    QTest::newRow("not at the end") << "not" << "invalid at EOF";
    QTest::newRow("two variables") << "_A _B" << "invalid at '_B'";
    QTest::newRow("unopened close") << "_A )" << "invalid at ')'";
    QTest::newRow("unopened close after climb") << "_A or _B and _C )" << "invalid at ')'";
    QTest::newRow("unclosed open") << "( _A or _B" << "invalid --- ')' is missimg.";
    QTest::newRow("unclosed after not") << "( not _A" << "invalid --- ')' is missimg.";
    QTest::newRow("undefined variable") << "_L" << "invalid at '_L'";
    QTest::newRow("lower-case letter") << "_a" << "invalid at '_a'";
    QTest::newRow("operator in capitals") << "_A AND _B" << "invalid at 'AND'";
    QTest::newRow("capital constant") << "TRUE" << "invalid at 'TRUE'";
    QTest::newRow("two closing in a word") << "( ( _A))" << "invalid at '_A))'";
    QTest::newRow("group after operand") << "_A and _B ( _C )" << "invalid at '('";
    QTest::newRow("not after operand") << "_A or _B not _C" << "invalid at 'not'";
    QTest::newRow("operator first") << "or _A" << "invalid at 'or'";
    QTest::newRow("empty group") << "()" << "invalid at ')'";
    QTest::newRow("empty expression") << "" << "invalid at ''";
    QTest::newRow("long token cut") << "_A or " + QString(5000, QLatin1Char('x'))
                                    << "invalid at '" + QString(40, QLatin1Char('x')) + "…'";
    QTest::newRow("too long") << "_A or" + QStringLiteral(" _A or").repeated(3000) + " _A"
                              << "The expression is longer than 16384 characters.";
}

void TestLogicEvaluator::rejectsWithMessage()
{
    QFETCH(QString, expression);
    QFETCH(QString, message);
    QCOMPARE(errorOf([&] { LogicEvaluator::evaluateExpression(expression, Values{}); }), message);
    QCOMPARE(errorOf([&] { LogicEvaluator::expressionTable(expression); }), message);
}

void TestLogicEvaluator::refusesDeepNestingWithoutCrash()
{
    const int depth = LogicEvaluator::MaxNesting + 1;
    const QString parentheses = QStringLiteral("( ").repeated(depth) + QStringLiteral("_A");
    QCOMPARE(errorOf([&] { LogicEvaluator::evaluateExpression(parentheses, Values{}); }),
             QStringLiteral("invalid at '(' --- nested deeper than 256 levels."));
    const QString nots = QStringLiteral("not ").repeated(depth) + QStringLiteral("_A");
    QCOMPARE(errorOf([&] { LogicEvaluator::expressionTable(nots); }),
             QStringLiteral("invalid at 'not' --- nested deeper than 256 levels."));
}

void TestLogicEvaluator::acceptsNestingUpToTheLimit()
{
    const int depth = LogicEvaluator::MaxNesting;
    const QString nested = QStringLiteral("( ").repeated(depth) + QStringLiteral("_A")
                           + QStringLiteral(" )").repeated(depth);
    QVERIFY(LogicEvaluator::evaluateExpression(nested, valuesOf(1)));
    QVERIFY(!LogicEvaluator::evaluateExpression(nested, valuesOf(0)));
    const QString nots = QStringLiteral("not ").repeated(depth) + QStringLiteral("_A");
    QCOMPARE(LogicEvaluator::evaluateExpression(nots, valuesOf(1)), depth % 2 == 0);
}

// Random token soup: the evaluator must never crash or hang, and the
// step-by-step algorithm, the per-combination evaluation and the truth table
// must agree on every value and every message.
void TestLogicEvaluator::evaluatorsAgreeOnRandomTokens()
{
    const QStringList vocabulary = {"_A", "_B", "_C", "_K", "_L", "true", "false", "not", "and",
                                    "or", "xor", "(", ")", "(_A", "_B)", "(_C)", "_A))", "EOF",
                                    "x", "((", "", "AND", ")_A", "()", "and", "or", "xor", "not"};
    QRandomGenerator random(20240607);
    int valid = 0;
    for (int round = 0; round < 6000; ++round) {
        QStringList words;
        const int length = random.bounded(1, 24);
        for (int i = 0; i < length; ++i)
            words << vocabulary.at(random.bounded(vocabulary.size()));
        const QString expression = words.join(QLatin1Char(' '));
        TruthTable table;
        const Outcome tableOutcome = outcomeOf([&] {
            table = LogicEvaluator::expressionTable(expression);
            return false;
        });
        for (int sample = 0; sample < 4; ++sample) {
            const Values values = valuesOf(random.bounded(TruthTable::EntryCount));
            const Outcome literal =
                outcomeOf([&] { return LiteralEvaluator(expression, values).evaluate(); });
            const Outcome evaluated = outcomeOf(
                [&] { return LogicEvaluator::evaluateExpression(expression, values); });
            QVERIFY2(evaluated == literal, qPrintable(expression));
            QCOMPARE(tableOutcome.error, literal.error);
            if (literal.error.isEmpty()) {
                int combination = 0;
                for (int i = 0; i < LogicEvaluator::InputCount; ++i)
                    combination |= values[i] << i;
                QCOMPARE(table.at(combination), literal.value);
            }
        }
        if (tableOutcome.error.isEmpty())
            ++valid;
    }
    QVERIFY2(valid > 100, "the generator should produce valid expressions too");
}

void TestLogicEvaluator::preLogicReadsInputsByConnectorName()
{
    DesignModel model;
    PreLogic *logic = model.addPreLogic(0, 0, QStringLiteral("PreLgc0"));
    BlockItem *input = model.addInput(0, 0, QStringLiteral("NIM-IN-S1"));
    QCOMPARE(logic->connectSource(2, input), 2);
    QVERIFY(!LogicEvaluator::evaluatePreLogic(logic, 0xffff)); // no expression yet
    logic->setProperty(QStringLiteral("_C"));
    for (int pattern = 0; pattern < 0x800; ++pattern)
        QCOMPARE(LogicEvaluator::evaluatePreLogic(logic, quint16(pattern)), bool(pattern & 4));
}

void TestLogicEvaluator::blockErrorsCarryTheBlockName()
{
    DesignModel model;
    PreLogic *logic = model.addPreLogic(0, 0, QStringLiteral("PreLgc3"));
    QVERIFY(!LogicEvaluator::evaluateBlockExpression(logic, Values{}));
    logic->setProperty(QStringLiteral("_A or"));
    const QString expected = QStringLiteral("PreLgc3: invalid at EOF");
    QCOMPARE(errorOf([&] { LogicEvaluator::evaluateBlockExpression(logic, Values{}); }), expected);
    QCOMPARE(errorOf([&] { LogicEvaluator::evaluatePreLogic(logic, 0); }), expected);
    QCOMPARE(errorOf([&] { LogicEvaluator::blockExpressionTable(logic); }), expected);
}

void TestLogicEvaluator::setExpressionChecksSyntax()
{
    DesignModel model;
    PreLogic *logic = model.addPreLogic(0, 0, QStringLiteral("PreLgc0"));
    QString text = QStringLiteral("_A and _B");
    QVERIFY(logic->setExpression(text, true));
    QCOMPARE(logic->property(), QStringLiteral("_A and _B"));

    text = QStringLiteral("_A and (_B");
    QVERIFY(!logic->setExpression(text, true));
    QCOMPARE(text, QStringLiteral("invalid --- ')' is missimg."));
    QCOMPARE(logic->property(), QStringLiteral("_A and _B"));

    text.clear();
    QVERIFY(!logic->setExpression(text, true));
    QCOMPARE(text, QStringLiteral("invalid at ''"));

    text = QStringLiteral("_A _B");
    QVERIFY(logic->setExpression(text, false));
    QCOMPARE(logic->property(), QStringLiteral("_A _B"));
}

KARIX_TEST(TestLogicEvaluator)
#include "tst_logicevaluator.moc"
