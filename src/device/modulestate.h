// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The module's state block as the first stage of a command reads it:
// byte 0 the first version byte, byte 4 the current protection flags,
// byte 5 the boot protection flags (protection read) or the boot ROM page
// (ROM read), then 16 comments of 112 bytes (ROM read).
class ModuleState
{
public:
    explicit ModuleState(const QByteArray &bytes = QByteArray());

    const QByteArray &bytes() const { return m_bytes; }
    // Every byte as two hexadecimal digits: "0201000a" for 02 01 00 0a.
    static QString versionText(const QByteArray &bytes);
    // Firmware newer than 1 supports ROM pages and write protection.
    bool supportsRomAndProtection() const;
    bool isWriteProtected() const;
    // Only after a protection read; an absent byte counts as unprotected.
    bool isBootProtected() const;
    quint8 currentFlags() const;
    quint8 bootFlags() const;
    // Only after a ROM read: the boot page, -1 when not read.
    int bootPage() const;
    bool hasRomInfo() const;
    // A comment slot's text: its bytes up to the first zero, as UTF-8 (the
    // form comments are stored in).
    QString comment(int page) const;

private:
    QByteArray m_bytes;
};
