// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/documentcontext.h"
#include "model/blockkinds.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

struct EntryKeys;

// What a paste works out in its first pass and applies in its second: the new
// names of the pasted blocks (PastedNames) and the rename map from the names
// in the fragment to them (RenameMap). All blocks go to one target sheet.
class PasteSession
{
public:
    PasteSession(const DocumentContext &context, int sheetIndex);

    int sheetIndex() const { return m_sheetIndex; }
    const QStringList &pastedNames() const { return m_pastedNames; }

    // Place and name for a pasted block: the lowest free row of the term's
    // column on the target sheet (-1: no place) and, through `name`, the name
    // the block should get (empty: the model picks the next free resource).
    int placeAndName(const QString &term, QString &name) const;
    // Lowest free row of the term's column on the target sheet, or -1.
    int freeRow(const QString &term) const;
    // Pass 1: records the proposed name of an entry that has a place.
    void plan(const QString &term, const QString &name);

    // Pass 2: names, user name and term of an entry translated for the
    // target; called for the entries in the order they were planned.
    void translateEntry(EntryKeys &keys);
    // A driver or block name as it is called after the paste.
    QString translated(const QString &name) const;
    // When the plan left a name to the model, later lookups use the name it gave.
    void noteCreatedName(const QString &entryName, const QString &createdName);

private:
    // A name not used in the design nor by another pasted block: unchanged
    // when possible, else its digits replaced by the lowest free number.
    // Empty when none is found (all connector names NIM-IN-…0..7 in use).
    QString uniqueName(QString name) const;
    bool isUsable(const QString &name) const;
    static bool isRename(BlockKind kind, const QString &name, const QString &proposed);

    DocumentContext m_context;
    int m_sheetIndex;
    QMap<QString, QString> m_renameMap;
    QStringList m_pastedNames;
    // Per planned entry, the name it gets when it names itself (empty: the
    // model picks the resource); none for references and entries without room.
    QList<std::optional<QString>> m_entryNames;
    int m_translatedEntries = 0;
};
