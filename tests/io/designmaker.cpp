// SPDX-License-Identifier: GPL-3.0-or-later
#include "designmaker.h"

#include "io/designdocument.h"
#include "io/entrybuilder.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/resourcecounters.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QRandomGenerator>

BlockItem *DesignMaker::add(int sheet, const QString &term, const QString &name,
                            const QString &userName, const QString &property, int row)
{
    Sheet *onSheet = m_document.sheets().ensureSheet(sheet);
    m_document.labels().setCurrentSheet(sheet);
    const int at = row >= 0 ? row : onSheet->lowestFreeRow(term);
    if (at < 0)
        return nullptr;
    const QString blockName = name.isEmpty() ? EntryBuilder::generatedName(m_document.model(), term) : name;
    BlockItem *block =
        m_document.model().createBlock(term, at, sheet, blockName, &m_document.resources());
    if (!block)
        return nullptr;
    if (!userName.isEmpty())
        block->setUserName(userName);
    if (!property.isEmpty())
        block->setProperty(property);
    if (!onSheet->place(block)) {
        m_document.model().removeBlock(block);
        return nullptr;
    }
    const bool reference = (term.contains(QLatin1String("Label")) || term.startsWith(QLatin1String("FeedBack")))
                           && term != QLatin1String("Label") && term != QLatin1String("PreLabel")
                           && term != QLatin1String("FeedBack");
    if (reference)
        m_document.labels().setPresence(block->name(), true);
    return block;
}

void DesignMaker::connect(BlockItem *destination, int port, BlockItem *source)
{
    const QString term = destination->term();
    if (term == QLatin1String("CntFnc") || term == QLatin1String("DlyFnc")) {
        const QString counter = source->term().startsWith(QLatin1String("FeedBack"))
                                    ? QStringLiteral("FeedBackInfo")
                                    : QStringLiteral("PreLogicInfo");
        m_document.resources().useResource(-1, counter);
    }
    destination->connectSource(port, source);
}

void DesignMaker::setCaption(int sheet, const QString &caption)
{
    m_document.sheets().ensureSheet(sheet)->setCaption(caption);
}

namespace {

QString pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices.at(random.bounded(int(choices.size())));
}

QString randomUserName(QRandomGenerator &random)
{
    static const QStringList names = {QString(), QString(), QStringLiteral("Veto"),
                                      QStringLiteral("A & B"), QStringLiteral("<start>"),
                                      QStringLiteral("say \"go\""), QStringLiteral(" padded "),
                                      QStringLiteral("Zähler µs"), QStringLiteral("x>y'z")};
    return pick(random, names);
}

QString randomExpression(QRandomGenerator &random)
{
    static const QStringList expressions = {QStringLiteral("_A"), QStringLiteral("_A and _B"),
                                            QStringLiteral("_A or not _B"),
                                            QStringLiteral("( _A xor _B ) and _C"),
                                            QString()};
    return pick(random, expressions);
}

// Fills one sheet; `labels` collects the names of label sources for other sheets.
void fillSheet(DesignMaker &maker, QRandomGenerator &random, int sheet, QStringList &preLabels,
               QStringList &functionLabels, QStringList &feedbacks)
{
    QList<BlockItem *> inputs;
    for (int i = 0, n = 1 + random.bounded(4); i < n; ++i)
        inputs.append(maker.add(sheet, QStringLiteral("Input"), QString(), randomUserName(random)));
    QList<BlockItem *> preLogics;
    for (int i = 0, n = 1 + random.bounded(3); i < n; ++i) {
        BlockItem *logic = maker.add(sheet, QStringLiteral("PreLogic"), QString(),
                                     randomUserName(random), randomExpression(random));
        for (int port = 0; port < inputs.size(); ++port) {
            if (random.bounded(2))
                maker.connect(logic, port, inputs.at(random.bounded(int(inputs.size()))));
        }
        preLogics.append(logic);
    }
    QList<BlockItem *> preSources = preLogics;
    for (const QString &label : preLabels)
        preSources.append(maker.add(sheet, QStringLiteral("Pre") + label, label));
    for (const QString &feedback : feedbacks)
        preSources.append(maker.add(sheet, feedback, feedback));

    QList<BlockItem *> functions;
    const QStringList functionTerms = {QStringLiteral("CntFnc"), QStringLiteral("DlyFnc"),
                                       QStringLiteral("NonFnc")};
    const QStringList properties = {QStringLiteral("Mode=9 MainCnt=500nsec SubCnt=500nsec Disp=DutyMHz"),
                                    QStringLiteral("Delay=0.5us"), QString()};
    for (int i = 0, n = 1 + random.bounded(3); i < n; ++i) {
        const int kind = random.bounded(3);
        BlockItem *function = maker.add(sheet, functionTerms.at(kind), QString(),
                                        randomUserName(random), properties.at(kind));
        if (function && random.bounded(3))
            maker.connect(function, 0, preSources.at(random.bounded(int(preSources.size()))));
        if (function)
            functions.append(function);
    }
    BlockItem *preLabel = maker.add(sheet, QStringLiteral("PreLabel"));
    maker.connect(preLabel, 0, preLogics.first());
    preLabels.append(preLabel->name());
    QList<BlockItem *> postSources = functions;
    for (const QString &label : functionLabels)
        postSources.append(maker.add(sheet, label, label));

    BlockItem *post = maker.add(sheet, QStringLiteral("PostLogic"), QString(),
                                randomUserName(random), randomExpression(random));
    for (int port = 0; port < postSources.size() && port < 11; ++port)
        maker.connect(post, port, postSources.at(port));
    BlockItem *label = maker.add(sheet, QStringLiteral("Label"), QString(), randomUserName(random));
    if (!functions.isEmpty())
        maker.connect(label, 0, functions.first());
    functionLabels.append(label->name());

    if (BlockItem *output = maker.add(sheet, QStringLiteral("NIM-OUT"), QString(), randomUserName(random)))
        maker.connect(output, 0, post);
    if (BlockItem *feedback = maker.add(sheet, QStringLiteral("FeedBack"))) {
        maker.connect(feedback, 0, post);
        feedbacks.append(feedback->name());
    }
    if (BlockItem *counter = maker.add(sheet, QStringLiteral("MsrCnt"), QString(), QString(),
                                       QStringLiteral("Mode=5 Unit=usec FileSave=true PATH=/tmp/a&b"))) {
        maker.connect(counter, random.bounded(2), post);
    }
}

} // namespace

void DesignMaker::randomDesign(DesignDocument &document, quint32 seed)
{
    QRandomGenerator random(seed);
    DesignMaker maker(document);
    QStringList preLabels, functionLabels, feedbacks;
    const int sheets = 1 + random.bounded(3);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        maker.setCaption(sheet, sheet == 1 ? QStringLiteral("Gate & \"veto\" <2>")
                                           : QStringLiteral("Sheet%1").arg(sheet + 1));
        fillSheet(maker, random, sheet, preLabels, functionLabels, feedbacks);
    }
}

QStringList DesignMaker::describe(DesignDocument &document)
{
    QStringList lines;
    for (const BlockItem *block : document.model().allBlocks()) {
        QString line = QStringLiteral("%1/%2 %3 %4 [%5] {%6}")
                           .arg(block->sheet())
                           .arg(block->id())
                           .arg(block->term(), block->name(), block->userName(), block->property());
        const BlockItem::InputMap &inputs = block->inputs();
        for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
            line += QStringLiteral(" %1<-%2").arg(it.key()).arg(it.value()->name());
        lines.append(line);
    }
    lines.sort();
    return lines;
}
