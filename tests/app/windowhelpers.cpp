// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowhelpers.h"

#include "app/mainwindow.h"
#include "app/recoveryfile.h"
#include "io/designdocument.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/designmodel.h"
#include "model/resourcecounters.h"
#include "model/wirerules.h"

#include <QAction>
#include <QDir>
#include <QMap>
#include <QStandardPaths>

namespace WindowHelpers {

QAction *action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

BlockItem *addBlock(MainWindow &window, const QString &term, int sheet, int row)
{
    static const QMap<QString, QString> prefixes = {
        {"PreLogic", "PreLgc"}, {"PostLogic", "PstLgc"}, {"CntFnc", "CntFnc"},
        {"DlyFnc", "DlyFnc"},   {"FeedBack", "FeedBack"}, {"Label", "Label"}};
    DesignDocument &doc = window.document();
    const QString name = prefixes.contains(term) ? doc.model().nextFreeName(prefixes.value(term))
                                                 : QString();
    return doc.edits().placeBlock(term, sheet, row, name);
}

QByteArray written(MainWindow &window)
{
    return DocumentWriter(window.document().context()).toBytes();
}

QString resourceMismatch(MainWindow &window)
{
    DesignDocument &doc = window.document();
    QMap<QString, int> held;
    for (BlockItem *block : doc.model().allBlocks()) {
        const QString kind = ResourceCounters::kindOfTerm(block->term());
        if (!kind.isEmpty())
            ++held[kind];
        if (kind == "CntFnc" || kind == "DlyFnc" || kind == "NonFnc")
            ++held["PostLogicInfo"];
        for (BlockItem *source : block->inputs()) {
            const QString unit = WireRules::connectionUnit(source, block);
            if (!unit.isEmpty())
                ++held[unit];
        }
    }
    const ResourceCounters &counters = doc.resources();
    for (const QString &kind : counters.kinds()) {
        if (counters.isCounted(kind) && counters.free(kind) != counters.total(kind) - held[kind])
            return QStringLiteral("%1: %2 free, %3 held of %4")
                .arg(kind)
                .arg(counters.free(kind))
                .arg(held[kind])
                .arg(counters.total(kind));
    }
    return QString();
}

void isolatePaths()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(RecoveryFile::directory()).removeRecursively();
}

} // namespace WindowHelpers
