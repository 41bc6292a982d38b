// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QtGlobal>
#include <array>

class QDataStream;

// The module's sixteen ROM pages, the stored page comments, and the one ROM
// command that may run at a time. A command keeps the module busy for a fixed
// time measured from its start; it finishes when the owner next looks at it
// after that time (takeFinished), so no timer thread is involved.
class SimRomStore
{
public:
    static constexpr int pageCount = 16;

    explicit SimRomStore(int commandMs);

    bool isBusy() const { return m_command != 0; }
    // False while another command runs.
    bool begin(quint32 command);
    void abort();
    // The command that has run its time, or 0; it is no longer running after.
    quint32 takeFinished();
    // Status block: byte 0 busy, bytes 1..2 zero, bytes 3..6 progress (big-endian).
    QByteArray status() const;

    bool hasPage(int page) const { return !m_pages[size_t(page)].isEmpty(); }
    const QByteArray &page(int page) const { return m_pages[size_t(page)]; }
    void storePage(int page, const QByteArray &registers) { m_pages[size_t(page)] = registers; }
    const QByteArray &comments() const { return m_comments; }
    void storeComments(const QByteArray &comments) { m_comments = comments; }

    void save(QDataStream &stream) const;
    void load(QDataStream &stream);

private:
    quint32 progressRange() const;

    int m_commandMs;
    quint32 m_command = 0;
    QElapsedTimer m_clock;
    std::array<QByteArray, pageCount> m_pages;  // empty = never saved
    QByteArray m_comments;
};
