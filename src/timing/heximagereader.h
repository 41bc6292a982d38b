// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads the text dump "karix-cli compile --hex" writes (lines of
// "ADDR: bb bb ...", hexadecimal) back into the 8292-byte image.
class HexImageReader
{
    Q_DECLARE_TR_FUNCTIONS(HexImageReader)

public:
    // Null with a message naming the line when a line is malformed, an
    // address lies outside the image or is given twice, or bytes are missing.
    static QByteArray read(const QByteArray &text, QString &error);
    // Whether the text starts like such a dump.
    static bool looksLikeDump(const QByteArray &text);

private:
    static QString readLine(const QByteArray &line, QByteArray &image, QByteArray &seen);
};
