// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockkinds.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class BlockItem;
class PreLogic;
class PostLogic;
class ResourceCounters;

// Owns every block of a design, across all sheets, sorted by the part of the
// module it stands for, and hands out the module's resource names.
// GUI thread only; the device worker reads it while no edit can happen.
class DesignModel : public QObject
{
    Q_OBJECT

public:
    explicit DesignModel(QObject *parent = nullptr);
    ~DesignModel() override;

    // The ten input connector names, "NIM-IN-S0" .. "NIM-IN-S7", "NIM-IN-M", "BNC-IN".
    const QStringList &inputNames() const;

    const QList<BlockItem *> &inputBlocks() const;
    const QList<PreLogic *> &preLogics() const;
    const QList<PostLogic *> &postLogics() const;
    // CntFnc, DlyFnc and NonFnc blocks.
    const QList<BlockItem *> &functionBlocks() const;
    // NIM-OUT, MsrCnt, FeedBack and input-side label blocks.
    const QList<BlockItem *> &outputBlocks() const;
    // Reference labels (NIMLabel, NIMFncLabel).
    const QList<BlockItem *> &labelBlocks() const;
    // All blocks, list by list in the order inputs, pre-logic, functions,
    // post-logic, outputs, labels.
    QList<BlockItem *> allBlocks() const;

    // Creation: `id` is the block's row, `sheet` its sheet index. The result
    // is null only where stated; the model owns the block.

    // An empty name means addNextInput.
    BlockItem *addInput(int id, int sheet, const QString &name);
    // The first connector not yet on the sheet (any sheet when negative); it
    // inherits the user name that connector has elsewhere. Null when all ten
    // are on the sheet.
    BlockItem *addNextInput(int id, int sheet);
    PreLogic *addPreLogic(int id, int sheet, const QString &name);
    PostLogic *addPostLogic(int id, int sheet, const QString &name);
    // Term "DlyFnc" when the name starts with it, else "CntFnc".
    BlockItem *addFunction(int id, int sheet, const QString &name);
    // An empty name becomes the next free "NonFnc<n>".
    BlockItem *addPassThrough(int id, int sheet, const QString &name);
    // Emits labelBlockAdded.
    BlockItem *addFeedBack(int id, int sheet, const QString &name);
    // Emits labelBlockAdded.
    BlockItem *addLabelIn(int id, int sheet, const QString &name);
    BlockItem *addLabel(int id, int sheet, const QString &name);
    BlockItem *addFunctionLabel(int id, int sheet, const QString &name);
    // An empty name or "MsrCnt" takes the first free MsrCnt0..3 (null when
    // none is free); the term is the block's name.
    BlockItem *addMeasureCounter(int id, int sheet, const QString &name);
    // An empty name or "NIM-OUT" takes the first free NIM-OUT0..7 (null when
    // none is free); the term is the block's name.
    BlockItem *addOutput(int id, int sheet, const QString &name);

    // Creates the block for a kind word (or the term of a reference label)
    // and sets its term; null for a term that names no block kind or a
    // resource name that is exhausted. With counters, the block's resource is
    // taken first and a refused take creates nothing.
    BlockItem *createBlock(const QString &term, int id, int sheet, const QString &name,
                           ResourceCounters *counters = nullptr);

    // Creates a block under the next free name "<prefix><n>" (n = 0, 1, …).
    // Prefixes: "Label", "FeedBack", "DlyFnc", "CntFnc", "PstLgc", "PreLgc";
    // null for any other.
    BlockItem *newNamed(const QString &prefix, int id, int sheet);
    // Empty for a prefix of the fixed outputs ("NIM-OUT…", "MsrCnt…"), whose
    // names are never free.
    QString nextFreeName(const QString &prefix) const;

    // False for names of the fixed outputs ("NIM-OUT…", "MsrCnt…") and for
    // the display name (and with alsoNames the name) of any block.
    bool isNameFree(const QString &name, bool alsoNames) const;
    // Appends the free names of "Input" (on the sheet; any sheet when
    // negative), of a kind starting with "NIM-OUT" or with "MsrCnt".
    void freeResourceNames(const QString &resourceKind, QStringList &names, int sheet) const;

    // The first block with this name on the sheet (any sheet when negative).
    BlockItem *findBlock(const QString &name, int sheet = -1) const;

    // Changes of a block's names and parameters; each emits blockChanged.
    void setBlockProperty(BlockItem *block, const QString &text);
    void setBlockUserName(BlockItem *block, const QString &userName);
    // The resource name (an input connector, "NIM-OUT<n>", "MsrCnt<n>"); the
    // outputs and measure counters, termed by their resource, follow it.
    void setBlockResource(BlockItem *block, const QString &name);

    // Deletes a block of this model, dropping every connection to it; a
    // block the model does not hold is left alone.
    void removeBlock(BlockItem *block);
    // Deletes every block (new document, load).
    void clearDesign();

signals:
    // A FeedBack or input-side label block was created (for the label bar).
    void labelBlockAdded(BlockItem *block);
    // Emitted while the block is still intact, before it is deleted.
    void blockAboutToBeRemoved(BlockItem *block);
    // The block's names or parameters changed: its picture and caption may
    // have to be redrawn.
    void blockChanged(BlockItem *block);

private:
    template<typename List>
    bool takeOut(List &list, BlockItem *block);
    template<typename Block, typename List>
    Block *append(List &list, Block *block);
    BlockItem *addOfKind(BlockKind kind, int id, int sheet, const QString &name);
    BlockItem *addNumberedOutput(const QString &prefix, int count, int id, int sheet,
                                 const QString &name, bool measureCounter);
    QString firstFreeOutputName(const QString &prefix, int count) const;
    static bool isFixedOutputName(const QString &name);
    bool hasInputOnSheet(const QString &connector, int sheet) const;
    void detachEverywhere(BlockItem *block);

    QStringList m_inputNames;
    QList<BlockItem *> m_inputBlocks;
    QList<PreLogic *> m_preLogics;
    QList<PostLogic *> m_postLogics;
    QList<BlockItem *> m_functionBlocks;
    QList<BlockItem *> m_outputBlocks;
    QList<BlockItem *> m_labelBlocks;
};
