// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class BlockItem;
class Sheet;

// The ordered sheets of a document; index = position. Owns its Sheet objects.
class SheetSet : public QObject
{
    Q_OBJECT
public:
    explicit SheetSet(QObject *parent = nullptr);
    ~SheetSet() override;

    // Sheet ids are stored in one byte's range; the reader refuses more, so
    // no more may be made.
    static constexpr int maxCount = 256;

    int count() const { return m_sheets.size(); }
    Sheet *sheet(int index) const;
    const QList<Sheet *> &sheets() const { return m_sheets; }

    // Appends a sheet captioned "Sheet%1" with the lowest number not yet
    // used; null when there are maxCount sheets already.
    Sheet *addSheet();
    // Adds sheets until one with this index exists; null for an index
    // outside 0..maxCount-1.
    Sheet *ensureSheet(int index);
    // Deletes the sheet and renumbers the sheets after it; false for an
    // index out of range. The sheet must hold no blocks any more.
    bool removeSheet(int index);
    // Back to the state of a new document: one empty sheet "Sheet1".
    void reset();
    // The sheet whose column maps hold the block, or null.
    Sheet *sheetHolding(const BlockItem *block) const;

signals:
    void sheetAdded(Sheet *sheet);
    // Emitted before the sheets are destroyed by reset().
    void aboutToReset();
    // Emitted before removeSheet() deletes the sheet, and after the later
    // sheets were renumbered.
    void sheetAboutToBeRemoved(Sheet *sheet);
    void sheetRemoved(int index);

private:
    QString nextDefaultCaption() const;

    QList<Sheet *> m_sheets;
};
