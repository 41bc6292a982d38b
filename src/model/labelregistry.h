// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class BlockItem;

// What the label bar lists: the design's feedback paths and labels, and for
// each sheet whether that sheet already holds a reference to them.
//
// Entry names: a name containing "FeedBack" is cut to start there and goes to
// the feedback list; a name beginning with "Label" (or "PreLabel", the key a
// label is dragged under) goes to the label list; other names are ignored.
// Each list is ordered by the number after its prefix ("Label2" < "Label10").
//
// Source blocks are not owned; connect DesignModel::blockAboutToBeRemoved to
// forgetBlock so that no entry keeps a deleted block.
class LabelRegistry : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        BlockItem *source = nullptr; // the defining block, none for a bare reference
        QString name;
        QString userName;
        int sheet = 0;               // sheet that was current when the source registered
        QMap<int, bool> presence;    // sheet index → holds a reference
    };

    // The picture an entry shows on the current sheet.
    enum class Look { Off, LabelOn, FunctionLabelOn };

    explicit LabelRegistry(QObject *parent = nullptr);

    // A new FeedBack or input-side label block (DesignModel::labelBlockAdded).
    // An existing entry of that name takes the block and the current sheet.
    // Labels are marked present on the current sheet; a new feedback entry
    // starts not present.
    void registerSource(BlockItem *block);
    // True when no entry of that name exists; a negative sheet means the
    // current sheet; a sheet without a record counts as not present.
    bool isPresent(const QString &name, int sheet = -1) const;
    // A reference was placed on (true) or removed from a sheet (the current
    // one when negative); creates an entry without source when none exists.
    void setPresence(const QString &name, bool present, int sheet = -1);
    // The defining block was deleted.
    void removeLabel(const QString &name);
    void setUserName(const QString &name, const QString &userName);
    void reset();
    // The sheet at `index` was deleted: its presence records go, later sheets
    // move down by one.
    void removeSheet(int index);
    // Clears the source of every entry that refers to the block.
    void forgetBlock(BlockItem *block);

    void setCurrentSheet(int sheet);
    int currentSheet() const;

    const QList<Entry> &feedbackLabels() const;
    const QList<Entry> &labels() const;
    const Entry *find(const QString &name) const;

    // Off when the current sheet holds a reference or the entry has no source.
    Look look(const Entry &entry) const;
    bool canDrag(const Entry &entry) const;
    // The drag key: the name, with "Pre" in front for a "PreLabel" source.
    static QString dragKey(const Entry &entry);
    // The entry name a block or drag key stands for; empty when none.
    static QString entryName(const QString &name);

signals:
    // Any entry was added, removed or changed, or the current sheet changed.
    void changed();

private:
    QList<Entry> *listFor(const QString &entryName);
    Entry *findEntry(const QString &entryName);
    Entry &insertSorted(QList<Entry> &list, const QString &entryName);
    static int numberOf(const QString &entryName);

    QList<Entry> m_feedbackLabels;
    QList<Entry> m_labels;
    int m_currentSheet = 0;
};
