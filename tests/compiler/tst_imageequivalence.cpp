// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"
#include "compiler/imagecapture.h"
#include "compiler/registerimage.h"
#include "designbuilder.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/logicevaluator.h"
#include "model/postlogic.h"
#include "model/prelogic.h"
#include "model/operationerror.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

namespace {

// Random designs within the module's limits, wired the way the canvas allows.
class RandomDesign
{
public:
    RandomDesign(DesignModel &model, quint32 seed)
        : m_design(model), m_random(seed)
    {
    }

    void build()
    {
        QList<BlockItem *> inputs;
        for (const QString &connector : LogicEvaluator::connectorNames()) {
            if (chance(70))
                inputs << m_design.input(connector);
        }
        QList<BlockItem *> preLogics;
        for (int i = between(1, 6); i > 0; --i)
            preLogics << m_design.preLogic(expression(3), distinct(inputs));

        QList<BlockItem *> preSources = preLogics;
        for (int i = between(0, 3); i > 0; --i) {
            m_design.labelIn(QStringLiteral("Label%1").arg(m_labels), pick(preLogics));
            preSources << m_design.labelRef(QStringLiteral("Label%1").arg(m_labels++));
        }
        QList<BlockItem *> feedbackLabels;
        for (int i = between(0, 3); i > 0; --i)
            feedbackLabels << m_design.feedbackLabel(QStringLiteral("FeedBack%1").arg(i));

        QList<BlockItem *> functions = buildFunctions(preSources, feedbackLabels);
        for (int i = between(0, 2); i > 0 && !functions.isEmpty(); --i) {
            m_design.labelIn(QStringLiteral("Label%1").arg(m_labels), pick(functions));
            functions << m_design.labelRef(QStringLiteral("Label%1").arg(m_labels++));
        }
        QList<BlockItem *> postLogics;
        for (int i = between(1, 6); i > 0; --i)
            postLogics << m_design.postLogic(expression(4), distinct(functions));
        buildOutputs(postLogics, feedbackLabels.size());
    }

    // Spoils `count` logic blocks, each with a different fault, so that a
    // difference in which block fails first shows in the message.
    void breakExpressions(const QList<BlockItem *> &blocks, int count)
    {
        static const QStringList faults = {" and", " )", " _Z", " ( _A"};
        for (int i = 0; i < count; ++i) {
            BlockItem *victim = pick(blocks);
            victim->setProperty(victim->property() + faults.at(i % faults.size()));
        }
    }

private:
    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }
    int between(int low, int high) { return m_random.bounded(low, high + 1); }
    BlockItem *pick(const QList<BlockItem *> &blocks)
    {
        return blocks.at(m_random.bounded(int(blocks.size())));
    }

    // Up to eleven different sources, some ports left open.
    QList<BlockItem *> distinct(QList<BlockItem *> blocks)
    {
        std::shuffle(blocks.begin(), blocks.end(), m_random);
        blocks = blocks.mid(0, between(0, qMin<int>(int(blocks.size()), 11)));
        QList<BlockItem *> ports;
        for (BlockItem *block : blocks) {
            while (ports.size() < 10 && chance(20))
                ports << nullptr;
            ports << block;
        }
        return ports.mid(0, 11);
    }

    QString expression(int depth)
    {
        if (depth == 0 || chance(25)) {
            const int kind = m_random.bounded(14);
            QString atom = kind < 11 ? QStringLiteral("_") + QChar(u'A' + kind)
                                     : (kind == 11 ? QStringLiteral("true") : QStringLiteral("false"));
            return chance(20) ? QStringLiteral("not ") + atom : atom;
        }
        if (chance(20))
            return QStringLiteral("( %1 )").arg(expression(depth - 1));
        static const QStringList operators = {"and", "or", "xor"};
        return expression(depth - 1) + QLatin1Char(' ') + operators.at(m_random.bounded(3))
               + QLatin1Char(' ') + expression(depth - 1);
    }

    QList<BlockItem *> buildFunctions(const QList<BlockItem *> &preSources,
                                      const QList<BlockItem *> &feedbackLabels)
    {
        static const QStringList modes = {"0", "1", "2", "3", "8", "9", ""};
        int counters = 0, delays = 0, passes = 0;
        QList<BlockItem *> functions;
        for (int i = between(0, 11); i > 0; --i) {
            BlockItem *source = chance(85) ? pick(preSources) : nullptr;
            if (source && !feedbackLabels.isEmpty() && chance(25))
                source = pick(feedbackLabels);
            const int kind = m_random.bounded(3);
            if (kind == 0 && counters < 8) {
                ++counters;
                functions << m_design.counter(
                    QStringLiteral("Mode=%1 MainCnt=%2nsec SubCnt=%3usec")
                        .arg(modes.at(m_random.bounded(int(modes.size()))))
                        .arg(5 * between(0, 1000))
                        .arg(between(0, 40)),
                    source);
            } else if (kind == 1 && delays < 8) {
                ++delays;
                functions << m_design.delay(QStringLiteral("Delay=%1ns").arg(5 * between(0, 400)),
                                            source);
            } else if (passes < 6 && !feedbackLabels.contains(source)) {
                ++passes;
                functions << m_design.passThrough(source);
            }
        }
        return functions;
    }

    void buildOutputs(const QList<BlockItem *> &postLogics, int feedbacks)
    {
        for (int k = 0; k < 8; ++k) {
            if (chance(50))
                m_design.nimOutput(k, pick(postLogics));
        }
        for (int k = 0; k < 4; ++k) {
            if (chance(50)) {
                m_design.measureCounter(k, QStringLiteral("Mode=%1").arg(between(0, 15)),
                                        chance(70) ? pick(postLogics) : nullptr,
                                        chance(70) ? pick(postLogics) : nullptr);
            }
        }
        for (int i = feedbacks; i > 0; --i)
            m_design.feedback(QStringLiteral("FeedBack%1").arg(i), pick(postLogics));
    }

    DesignBuilder m_design;
    QRandomGenerator m_random;
    int m_labels = 0;
};

struct Outcome
{
    QByteArray bytes;
    QString error;
};

Outcome compile(const DesignModel &model, RegisterImage::Evaluation evaluation)
{
    Outcome outcome;
    ImageCapture capture;
    try {
        RegisterImage(evaluation).writeImage(model, capture);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        outcome.error = message;
    }
    outcome.bytes = capture.bytes();
    return outcome;
}

} // namespace

class TestImageEquivalence : public QObject
{
    Q_OBJECT

private slots:
    void truthTablesMatchPerEntryEvaluation();
};

// The fast path must give byte-identical images to the literal per-entry
// definition, and fail on the same block with the same message.
void TestImageEquivalence::truthTablesMatchPerEntryEvaluation()
{
    int failing = 0;
    int busyTables = 0;
    for (quint32 seed = 1; seed <= 24; ++seed) {
        DesignModel model;
        RandomDesign design(model, seed);
        design.build();
        if (seed % 3 == 0) {
            QList<BlockItem *> logic;
            for (BlockItem *block : model.preLogics())
                logic << block;
            for (BlockItem *block : model.postLogics())
                logic << block;
            design.breakExpressions(logic, seed % 2 ? 1 : 3);
        }
        const Outcome fast = compile(model, RegisterImage::Evaluation::TruthTables);
        const Outcome naive = compile(model, RegisterImage::Evaluation::PerEntry);
        QVERIFY2(fast.bytes == naive.bytes, qPrintable(QStringLiteral("seed %1").arg(seed)));
        QCOMPARE(fast.error, naive.error);
        if (!fast.error.isEmpty())
            ++failing;
        const QByteArray tables = fast.bytes.mid(RegisterImage::ParameterSize);
        if (tables.count('\0') < tables.size() / 2)
            ++busyTables;
    }
    // The generator must exercise failures and well-filled tables alike.
    QVERIFY(failing > 0);
    QVERIFY(busyTables > 4);
}

KARIX_TEST(TestImageEquivalence)
#include "tst_imageequivalence.moc"
