// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <optional>

// The edit history of the open document: after every completed edit the
// whole document, as the writer produces it, is one step. Index -1 is the
// base state: the file as opened, or the empty design of a new document
// (empty base bytes). Steps are kept zlib-compressed; a step of a large
// design shrinks to a few percent, so long sessions stay small.
//
// The document counts as modified exactly when the current index differs
// from the index at the last successful save.
class UndoStack : public QObject
{
    Q_OBJECT
public:
    explicit UndoStack(QObject *parent = nullptr);

    // Drops every step after the current one and appends the document now on
    // screen. Does nothing (false) while steps are suppressed. name: what
    // the step did, for steps the user did not make by hand; else empty.
    bool record(const QByteArray &document, const QString &name = QString());
    // One step back or forward; the document to rebuild the design from
    // (empty: the empty design). Nothing when there is no such step.
    std::optional<QByteArray> undo();
    std::optional<QByteArray> redo();
    // Forgets every step and the saved position (new document, open).
    void clear();
    void markSaved();

    void setBaseBytes(const QByteArray &bytes);

    int count() const { return m_steps.size(); }
    int currentIndex() const { return m_current; }
    bool isModified() const { return m_current != m_saved; }
    bool canUndo() const { return m_current >= 0; }
    bool canRedo() const { return m_current + 1 < count(); }

    // The document of a step, or of the base state for -1.
    QByteArray document(int index) const;
    QByteArray currentDocument() const { return document(m_current); }
    // Bytes held by the steps and the base state.
    qint64 storedBytes() const;

    // The name recorded with a step; empty for an ordinary edit.
    QString stepName(int index) const;

    bool isSuppressed() const { return m_suppressed; }

    // An operation made of several edits that each ask for a step (removing
    // every block of a name on all sheets) holds one of these while it runs
    // and records a single step afterwards. Nests: the previous state is
    // restored when it goes.
    class Suppressor
    {
    public:
        explicit Suppressor(UndoStack &stack);
        ~Suppressor();
        Suppressor(const Suppressor &) = delete;
        Suppressor &operator=(const Suppressor &) = delete;

    private:
        UndoStack &m_stack;
        bool m_previous;
    };

signals:
    // The current or saved index or the number of steps changed.
    void changed();

private:
    // Saved position of a document whose saved state is no longer in the
    // history (its step was dropped by a newer branch): nothing matches it.
    static constexpr int kSavedStateDropped = -2;

    QList<QByteArray> m_steps;
    QStringList m_names;  // one per step
    QByteArray m_base;
    int m_current = -1;
    int m_saved = -1;
    bool m_suppressed = false;
};
