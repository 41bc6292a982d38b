// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undostack.h"

UndoStack::UndoStack(QObject *parent) : QObject(parent)
{
}

bool UndoStack::record(const QByteArray &document, const QString &name)
{
    if (m_suppressed)
        return false;
    m_steps.erase(m_steps.begin() + (m_current + 1), m_steps.end());
    m_names.erase(m_names.begin() + (m_current + 1), m_names.end());
    if (m_saved > m_current)
        m_saved = kSavedStateDropped;
    m_steps.append(qCompress(document));
    m_names.append(name);
    ++m_current;
    emit changed();
    return true;
}

std::optional<QByteArray> UndoStack::undo()
{
    if (!canUndo())
        return std::nullopt;
    --m_current;
    emit changed();
    return currentDocument();
}

std::optional<QByteArray> UndoStack::redo()
{
    if (!canRedo())
        return std::nullopt;
    ++m_current;
    emit changed();
    return currentDocument();
}

void UndoStack::clear()
{
    m_steps.clear();
    m_names.clear();
    m_current = -1;
    // The new document starts as saved; an old saved index could otherwise
    // match a step of the new document and hide its changes.
    m_saved = -1;
    emit changed();
}

QString UndoStack::stepName(int index) const
{
    return index >= 0 && index < m_names.size() ? m_names.at(index) : QString();
}

void UndoStack::markSaved()
{
    m_saved = m_current;
    emit changed();
}

void UndoStack::setBaseBytes(const QByteArray &bytes)
{
    m_base = bytes;
}

QByteArray UndoStack::document(int index) const
{
    if (index < 0)
        return m_base;
    return qUncompress(m_steps.at(index));
}

qint64 UndoStack::storedBytes() const
{
    qint64 total = m_base.size();
    for (const QByteArray &step : m_steps)
        total += step.size();
    return total;
}

UndoStack::Suppressor::Suppressor(UndoStack &stack) : m_stack(stack), m_previous(stack.m_suppressed)
{
    m_stack.m_suppressed = true;
}

UndoStack::Suppressor::~Suppressor()
{
    m_stack.m_suppressed = m_previous;
}
