// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/labelregistry.h"

#include "model/blockitem.h"

namespace {
const QString feedbackPrefix = QStringLiteral("FeedBack");
const QString labelPrefix = QStringLiteral("Label");
const QString preLabelPrefix = QStringLiteral("PreLabel");
} // namespace

LabelRegistry::LabelRegistry(QObject *parent) : QObject(parent) {}

void LabelRegistry::registerSource(BlockItem *block)
{
    const QString name = entryName(block->name());
    if (name.isEmpty())
        return;
    Entry *entry = findEntry(name);
    const bool isLabel = !name.startsWith(feedbackPrefix);
    if (!entry) {
        entry = &insertSorted(*listFor(name), name);
        entry->presence.insert(m_currentSheet, isLabel);
    } else if (isLabel) {
        entry->presence.insert(m_currentSheet, true);
    }
    entry->source = block;
    entry->sheet = m_currentSheet;
    if (!block->userName().isEmpty())
        entry->userName = block->userName();
    emit changed();
}

bool LabelRegistry::isPresent(const QString &name, int sheet) const
{
    const Entry *entry = find(name);
    if (!entry)
        return true;
    return entry->presence.value(sheet < 0 ? m_currentSheet : sheet, false);
}

void LabelRegistry::setPresence(const QString &name, bool present, int sheet)
{
    const QString key = entryName(name);
    if (key.isEmpty())
        return;
    Entry *entry = findEntry(key);
    if (!entry)
        entry = &insertSorted(*listFor(key), key);
    entry->presence.insert(sheet < 0 ? m_currentSheet : sheet, present);
    emit changed();
}

void LabelRegistry::removeLabel(const QString &name)
{
    const QString key = entryName(name);
    if (key.isEmpty())
        return;
    QList<Entry> *list = listFor(key);
    const auto removed = list->removeIf([&key](const Entry &entry) { return entry.name == key; });
    if (removed > 0)
        emit changed();
}

void LabelRegistry::setUserName(const QString &name, const QString &userName)
{
    Entry *entry = findEntry(entryName(name));
    if (!entry)
        return;
    entry->userName = userName;
    emit changed();
}

void LabelRegistry::reset()
{
    m_feedbackLabels.clear();
    m_labels.clear();
    emit changed();
}

void LabelRegistry::removeSheet(int index)
{
    for (QList<Entry> *list : {&m_feedbackLabels, &m_labels}) {
        for (Entry &entry : *list) {
            QMap<int, bool> shifted;
            for (auto it = entry.presence.cbegin(); it != entry.presence.cend(); ++it) {
                if (it.key() != index)
                    shifted.insert(it.key() > index ? it.key() - 1 : it.key(), it.value());
            }
            entry.presence = shifted;
            if (entry.sheet > index)
                --entry.sheet;
        }
    }
    if (m_currentSheet > index)
        --m_currentSheet;
    emit changed();
}

void LabelRegistry::forgetBlock(BlockItem *block)
{
    bool forgotten = false;
    for (QList<Entry> *list : {&m_feedbackLabels, &m_labels}) {
        for (Entry &entry : *list) {
            if (entry.source == block) {
                entry.source = nullptr;
                forgotten = true;
            }
        }
    }
    if (forgotten)
        emit changed();
}

void LabelRegistry::setCurrentSheet(int sheet)
{
    if (sheet == m_currentSheet)
        return;
    m_currentSheet = sheet;
    emit changed();
}

int LabelRegistry::currentSheet() const { return m_currentSheet; }

const QList<LabelRegistry::Entry> &LabelRegistry::feedbackLabels() const { return m_feedbackLabels; }
const QList<LabelRegistry::Entry> &LabelRegistry::labels() const { return m_labels; }

const LabelRegistry::Entry *LabelRegistry::find(const QString &name) const
{
    return const_cast<LabelRegistry *>(this)->findEntry(entryName(name));
}

LabelRegistry::Look LabelRegistry::look(const Entry &entry) const
{
    if (!entry.source || entry.presence.value(m_currentSheet, false))
        return Look::Off;
    const BlockKind kind = entry.source->kind();
    const bool preLabel = kind == BlockKind::PreLabel || kind == BlockKind::PreLabelReference;
    return preLabel ? Look::LabelOn : Look::FunctionLabelOn;
}

bool LabelRegistry::canDrag(const Entry &entry) const
{
    return !entry.presence.value(m_currentSheet, false);
}

QString LabelRegistry::dragKey(const Entry &entry)
{
    if (entry.source && entry.source->kind() == BlockKind::PreLabel)
        return QStringLiteral("Pre") + entry.name;
    return entry.name;
}

QString LabelRegistry::entryName(const QString &name)
{
    const int feedback = name.indexOf(feedbackPrefix);
    if (feedback >= 0)
        return name.mid(feedback);
    if (name.startsWith(labelPrefix))
        return name;
    if (name.startsWith(preLabelPrefix) && name.size() > preLabelPrefix.size())
        return name.mid(preLabelPrefix.size() - labelPrefix.size());
    return QString();
}

QList<LabelRegistry::Entry> *LabelRegistry::listFor(const QString &entryName)
{
    return entryName.startsWith(feedbackPrefix) ? &m_feedbackLabels : &m_labels;
}

LabelRegistry::Entry *LabelRegistry::findEntry(const QString &entryName)
{
    if (entryName.isEmpty())
        return nullptr;
    for (Entry &entry : *listFor(entryName)) {
        if (entry.name == entryName)
            return &entry;
    }
    return nullptr;
}

LabelRegistry::Entry &LabelRegistry::insertSorted(QList<Entry> &list, const QString &entryName)
{
    const int number = numberOf(entryName);
    qsizetype at = 0;
    while (at < list.size() && numberOf(list.at(at).name) <= number)
        ++at;
    Entry entry;
    entry.name = entryName;
    entry.sheet = m_currentSheet;
    return *list.insert(at, entry);
}

int LabelRegistry::numberOf(const QString &entryName)
{
    const int prefixLength =
        entryName.startsWith(feedbackPrefix) ? feedbackPrefix.size() : labelPrefix.size();
    return entryName.mid(prefixLength).toInt();
}
