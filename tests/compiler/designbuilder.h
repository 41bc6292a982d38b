// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class BlockItem;
class DesignModel;

// Builds designs for the compiler tests the way the canvas would: blocks are
// created through the model with their kind word, sources connected to
// numbered ports. Every block goes on sheet 0 in its own row.
class DesignBuilder
{
public:
    explicit DesignBuilder(DesignModel &model);

    BlockItem *input(const QString &connector);
    // Connects sources to ports 0, 1, … in order.
    BlockItem *preLogic(const QString &expression, const QList<BlockItem *> &sources = {});
    BlockItem *postLogic(const QString &expression, const QList<BlockItem *> &sources = {});
    BlockItem *counter(const QString &property, BlockItem *source = nullptr);
    BlockItem *delay(const QString &property, BlockItem *source = nullptr);
    BlockItem *passThrough(BlockItem *source = nullptr);
    BlockItem *nimOutput(int k, BlockItem *source);
    BlockItem *measureCounter(int k, const QString &property, BlockItem *gate, BlockItem *src);
    // A FeedBack block fed by source, and the label that carries its signal
    // back into the pre-logic column (term and name "FeedBack<n>").
    BlockItem *feedback(const QString &name, BlockItem *source);
    BlockItem *feedbackLabel(const QString &name);
    // An input-side label fed by source and a reference label of that name.
    BlockItem *labelIn(const QString &name, BlockItem *source);
    BlockItem *labelRef(const QString &name);

    BlockItem *create(const QString &term, const QString &name);
    static void connect(BlockItem *destination, int port, BlockItem *source);

private:
    BlockItem *logic(const QString &term, const QString &prefix, const QString &expression,
                     const QList<BlockItem *> &sources);
    BlockItem *function(const QString &term, const QString &property, BlockItem *source);

    DesignModel &m_model;
    int m_row = 0;
};
