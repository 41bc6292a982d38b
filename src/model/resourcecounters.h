// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

// The module's counted hardware resources, shown by the palette:
//   "PreLogicInfo" 8, "PostLogicInfo" 11, "CntFnc" 8, "DlyFnc" 8, "NonFnc" 6,
//   "MsrCnt" 4, "NIM-OUT" 8, "FeedBack" 8, "FeedBackInfo" 8;
// and the uncounted kinds "Input", "PreLogic", "PostLogic", "Label"
// (total 0: no limit, every take and give-back succeeds and changes nothing).
// Every function unit (CntFnc, DlyFnc, NonFnc) also holds one "PostLogicInfo".
class ResourceCounters : public QObject
{
    Q_OBJECT

public:
    explicit ResourceCounters(QObject *parent = nullptr);

    // Takes (delta -1) or gives back (+1) units of a kind. Fails, changing
    // nothing, for an unknown kind or when the count would leave 0..total.
    // A function kind applies the delta to "PostLogicInfo" first and undoes
    // it when its own count refuses.
    bool useResource(int delta, const QString &kind);
    // Every counter back to its total (new or loaded document).
    void reset();

    int free(const QString &kind) const;
    int total(const QString &kind) const;
    bool isCounted(const QString &kind) const;
    // A counted kind with no unit left (its palette picture is greyed).
    bool isExhausted(const QString &kind) const;
    // "CntFnc(8/8)", "(11/11)" for the connection counters, the kind word
    // alone for uncounted kinds.
    QString caption(const QString &kind) const;
    // Every kind in palette order.
    QStringList kinds() const;

    // The counter a block of this term takes ("NIM-OUT3" → "NIM-OUT");
    // empty for blocks that take none.
    static QString kindOfTerm(const QString &term);

signals:
    void changed(const QString &kind);

private:
    struct Counter
    {
        QString text;
        int available;
        int total;
    };

    bool apply(int delta, const QString &kind);
    static bool isFunctionKind(const QString &kind);

    QStringList m_order;
    QMap<QString, Counter> m_counters;
};
