// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/sheetset.h"

#include "model/blockitem.h"
#include "model/sheet.h"

#include <QSet>

SheetSet::SheetSet(QObject *parent) : QObject(parent)
{
    addSheet();
}

SheetSet::~SheetSet()
{
    qDeleteAll(m_sheets);
}

Sheet *SheetSet::sheet(int index) const
{
    return index >= 0 && index < m_sheets.size() ? m_sheets.at(index) : nullptr;
}

Sheet *SheetSet::addSheet()
{
    if (m_sheets.size() >= maxCount)
        return nullptr;
    auto *sheet = new Sheet(m_sheets.size(), nextDefaultCaption());
    m_sheets.append(sheet);
    emit sheetAdded(sheet);
    return sheet;
}

Sheet *SheetSet::ensureSheet(int index)
{
    if (index < 0 || index >= maxCount)
        return nullptr;
    while (m_sheets.size() <= index)
        addSheet();
    return m_sheets.at(index);
}

bool SheetSet::removeSheet(int index)
{
    Sheet *doomed = sheet(index);
    if (!doomed)
        return false;
    emit sheetAboutToBeRemoved(doomed);
    m_sheets.removeAt(index);
    delete doomed;
    for (int later = index; later < m_sheets.size(); ++later)
        m_sheets.at(later)->setIndex(later);
    emit sheetRemoved(index);
    return true;
}

void SheetSet::reset()
{
    emit aboutToReset();
    qDeleteAll(m_sheets);
    m_sheets.clear();
    addSheet();
}

Sheet *SheetSet::sheetHolding(const BlockItem *block) const
{
    Sheet *onSheet = block ? sheet(block->sheet()) : nullptr;
    return onSheet && onSheet->contains(block) ? onSheet : nullptr;
}

QString SheetSet::nextDefaultCaption() const
{
    QSet<QString> used;
    for (const Sheet *sheet : m_sheets)
        used.insert(sheet->caption());
    for (int number = 1;; ++number) {
        const QString caption = QStringLiteral("Sheet%1").arg(number);
        if (!used.contains(caption))
            return caption;
    }
}
