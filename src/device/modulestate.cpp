// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulestate.h"

#include "device/moduleinterface.h"

namespace {
constexpr int flagsIndex = 4;
constexpr int bootIndex = 5;
constexpr int commentsIndex = 6;
}

ModuleState::ModuleState(const QByteArray &bytes)
    : m_bytes(bytes)
{
}

QString ModuleState::versionText(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes)
        text += QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
    return text;
}

bool ModuleState::supportsRomAndProtection() const
{
    return !m_bytes.isEmpty() && qint8(m_bytes.at(0)) > 1;
}

bool ModuleState::isWriteProtected() const
{
    return m_bytes.size() > flagsIndex && !(currentFlags() & ModuleInterface::writableFlag);
}

bool ModuleState::isBootProtected() const
{
    return m_bytes.size() > bootIndex && !(bootFlags() & ModuleInterface::writableFlag);
}

quint8 ModuleState::currentFlags() const
{
    return m_bytes.size() > flagsIndex ? quint8(m_bytes.at(flagsIndex)) : 0;
}

quint8 ModuleState::bootFlags() const
{
    return m_bytes.size() > bootIndex ? quint8(m_bytes.at(bootIndex)) : ModuleInterface::writableFlag;
}

int ModuleState::bootPage() const
{
    return hasRomInfo() ? quint8(m_bytes.at(bootIndex)) : -1;
}

bool ModuleState::hasRomInfo() const
{
    return m_bytes.size() >= commentsIndex + ModuleInterface::commentAreaSize;
}

QString ModuleState::comment(int page) const
{
    if (!hasRomInfo() || page < 0 || page >= ModuleInterface::romPageCount)
        return QString();
    const QByteArray slot =
        m_bytes.mid(commentsIndex + page * ModuleInterface::commentSize, ModuleInterface::commentSize);
    const int end = slot.indexOf('\0');
    return QString::fromUtf8(end < 0 ? slot : slot.left(end));
}
