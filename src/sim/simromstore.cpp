// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simromstore.h"

#include "device/moduleinterface.h"

#include <QDataStream>
#include <algorithm>
#include <utility>

using namespace ModuleInterface;

SimRomStore::SimRomStore(int commandMs)
    : m_commandMs(std::max(0, commandMs))
    , m_comments(commentAreaSize, '\0')
{
}

bool SimRomStore::begin(quint32 command)
{
    if (isBusy())
        return false;
    m_command = command;
    m_clock.start();
    return true;
}

void SimRomStore::abort()
{
    m_command = 0;
}

quint32 SimRomStore::takeFinished()
{
    if (!isBusy() || m_clock.elapsed() < m_commandMs)
        return 0;
    return std::exchange(m_command, 0);
}

// Page commands count up to 0x4000, the comment command up to 2047.
quint32 SimRomStore::progressRange() const
{
    return m_command == romCommentCommand ? 2047 : 0x4000;
}

QByteArray SimRomStore::status() const
{
    QByteArray block(romStatusSize, '\0');
    if (!isBusy())
        return block;
    const qint64 elapsed = m_clock.elapsed();
    const quint32 range = progressRange();
    const quint32 progress = m_commandMs == 0
        ? range - 1
        : quint32(std::min<qint64>(range - 1, elapsed * range / m_commandMs));
    block[0] = 1;
    for (int i = 0; i < 4; ++i)
        block[3 + i] = char(progress >> (24 - 8 * i));
    return block;
}

void SimRomStore::save(QDataStream &stream) const
{
    for (const QByteArray &page : m_pages)
        stream << page;
    stream << m_comments;
}

void SimRomStore::load(QDataStream &stream)
{
    for (QByteArray &page : m_pages)
        stream >> page;
    stream >> m_comments;
    if (m_comments.size() != commentAreaSize)
        m_comments = QByteArray(commentAreaSize, '\0');
}
