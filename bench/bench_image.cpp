// SPDX-License-Identifier: GPL-3.0-or-later
// Times the register image of a fully used design: the truth-table path
// against the per-entry evaluation of every expression.
#include "compiler/imagecapture.h"
#include "compiler/registerimage.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/logicevaluator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

// A long expression over all eleven letters; `shift` rotates the letters so
// that every block computes a different function.
QString longExpression(int shift)
{
    static const char *shape =
        "( %1 and %2 ) or ( %3 xor %4 ) and not %5 or ( %6 and ( %7 or %8 ) ) xor %9 and %10 "
        "or not %11 xor ( %1 and not %4 or %7 ) and ( %2 xor %11 )";
    QString text = QString::fromLatin1(shape);
    for (int i = 11; i >= 1; --i) {
        const QChar letter(u'A' + (i - 1 + shift) % 11);
        text.replace(QStringLiteral("%%1").arg(i), QStringLiteral("_") + letter);
    }
    return text;
}

class FullDesign
{
public:
    explicit FullDesign(DesignModel &model) : m_model(model) {}

    void build()
    {
        QList<BlockItem *> inputs;
        for (const QString &connector : LogicEvaluator::connectorNames())
            inputs << block("Input", connector);
        QList<BlockItem *> preLogics;
        for (int i = 0; i < 14; ++i)
            preLogics << logic("PreLogic", QStringLiteral("PreLgc%1").arg(i), i, inputs);
        QList<BlockItem *> feedbackLabels;
        for (int i = 0; i < 8; ++i)
            feedbackLabels << block(QStringLiteral("FeedBack%1").arg(i), QStringLiteral("FeedBack%1").arg(i));

        // 4 counters + 4 delays + 3 pass-throughs occupy all eleven units.
        QList<BlockItem *> units;
        for (int i = 0; i < 4; ++i) {
            units << function("CntFnc", QStringLiteral("Mode=%1 MainCnt=1usec SubCnt=50nsec").arg(i),
                              i < 2 ? preLogics.at(i) : feedbackLabels.at(i));
            units << function("DlyFnc", QStringLiteral("Delay=%1ns").arg(5 * (i + 1)),
                              i < 2 ? preLogics.at(4 + i) : feedbackLabels.at(4 + i));
        }
        for (int i = 0; i < 3; ++i)
            units << function("NonFnc", QString(), preLogics.at(8 + i));

        QList<BlockItem *> postLogics;
        for (int i = 0; i < 14; ++i)
            postLogics << logic("PostLogic", QStringLiteral("PstLgc%1").arg(i), i + 3, units);
        for (int k = 0; k < 8; ++k)
            connect(block("NIM-OUT", QStringLiteral("NIM-OUT%1").arg(k)), 0, postLogics.at(k));
        for (int k = 0; k < 4; ++k) {
            BlockItem *counter = block("MsrCnt", QStringLiteral("MsrCnt%1").arg(k));
            counter->setProperty(QStringLiteral("Mode=5 FileSave=0 PATH=."));
            connect(counter, 0, postLogics.at(8 + k));
            connect(counter, 1, postLogics.at(13 - k));
        }
        for (int i = 0; i < 8; ++i)
            connect(block("FeedBack", QStringLiteral("FeedBack%1").arg(i)), 0, postLogics.at(6 + i));
    }

private:
    BlockItem *block(const QString &term, const QString &name)
    {
        BlockItem *created = m_model.createBlock(term, m_row++, 0, name);
        if (!created)
            qFatal("bench design: no block %s", qPrintable(term));
        return created;
    }

    static void connect(BlockItem *destination, int port, BlockItem *source)
    {
        if (destination->connectSource(port, source) != port)
            qFatal("bench design: port %d refused", port);
    }

    BlockItem *logic(const QString &term, const QString &name, int shift,
                     const QList<BlockItem *> &sources)
    {
        BlockItem *created = block(term, name);
        created->setProperty(longExpression(shift));
        for (int port = 0; port < sources.size() && port < LogicEvaluator::InputCount; ++port)
            connect(created, port, sources.at(port));
        return created;
    }

    BlockItem *function(const QString &term, const QString &property, BlockItem *source)
    {
        BlockItem *created = block(term, m_model.nextFreeName(term));
        created->setProperty(property);
        connect(created, 0, source);
        return created;
    }

    DesignModel &m_model;
    int m_row = 0;
};

QByteArray imageOf(const DesignModel &model, RegisterImage::Evaluation evaluation)
{
    ImageCapture capture;
    RegisterImage(evaluation).writeImage(model, capture);
    return capture.bytes();
}

// Average milliseconds per image over `rounds` images.
double millisecondsPerImage(const DesignModel &model, RegisterImage::Evaluation evaluation,
                            int rounds, QByteArray &image)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        image = imageOf(model, evaluation);
    return timer.nsecsElapsed() / 1e6 / rounds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    DesignModel model;
    FullDesign(model).build();
    QTextStream out(stdout);

    QByteArray fastImage, naiveImage;
    millisecondsPerImage(model, RegisterImage::Evaluation::TruthTables, 3, fastImage); // warm-up
    const double fast = millisecondsPerImage(model, RegisterImage::Evaluation::TruthTables, 200,
                                             fastImage);
    const double naive = millisecondsPerImage(model, RegisterImage::Evaluation::PerEntry, 3,
                                              naiveImage);
    out << "design: 11 units, 14 pre-logic and 14 post-logic blocks with 11-input expressions, "
           "8 NIM outputs, 4 measure counters, 8 feedbacks\n";
    out << QStringLiteral("truth tables: %1 ms per image (200 images)\n").arg(fast, 0, 'f', 3);
    out << QStringLiteral("per entry:    %1 ms per image (3 images)\n").arg(naive, 0, 'f', 1);
    out << QStringLiteral("ratio:        %1x\n").arg(naive / fast, 0, 'f', 0);
    out << "images identical: " << (fastImage == naiveImage ? "yes" : "NO") << '\n';
    return fastImage == naiveImage ? 0 : 1;
}
