// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class BlockItem;
class DesignModel;

// The words a sheet shows for a block: its caption, one line of its settings
// and the tooltip that gives them in full.
class BlockText
{
    Q_DECLARE_TR_FUNCTIONS(BlockText)
public:
    // A reference to a label or feedback path shows the name the user gave
    // its definition; every other block its own caption. design: where the
    // definition is looked up; may be null.
    static QString caption(const BlockItem &block, const DesignModel *design);
    // A pre- or post-logic block that has no expression yet: its caption is bold.
    static bool lacksExpression(const BlockItem &block);
    // "1-shot 100 ns", "25 ns", the expression, the measure counter's mode;
    // empty for blocks without settings.
    static QString settings(const BlockItem &block);
    static QString toolTip(const BlockItem &block, const DesignModel *design);
    static QString wireToolTip(const BlockItem &source, const BlockItem &destination,
                               const DesignModel *design);

private:
    static const BlockItem *definition(const BlockItem &reference, const DesignModel *design);
    static QString timerSettings(const QString &property);
    static QString delaySettings(const QString &property);
    static QString measureSettings(const QString &property);
    // A stored time ("100nsec", "2.5usec", "20") as "100 ns", "2.5 us", "100 ns".
    static QString timeText(const QString &stored);
};
