// SPDX-License-Identifier: GPL-3.0-or-later
#include "heximagereader.h"

#include "compiler/imagecapture.h"

#include <QList>
#include <QRegularExpression>

namespace {

const QRegularExpression &linePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9a-fA-F]{1,8}):((?:\\s+[0-9a-fA-F]{2})*)\\s*$"));
    return pattern;
}

} // namespace

bool HexImageReader::looksLikeDump(const QByteArray &text)
{
    const QByteArray first = text.left(text.indexOf('\n'));
    return linePattern().match(QString::fromLatin1(first)).hasMatch();
}

QString HexImageReader::readLine(const QByteArray &line, QByteArray &image, QByteArray &seen)
{
    const QRegularExpressionMatch match = linePattern().match(QString::fromLatin1(line));
    if (!match.hasMatch())
        return tr("expected \"ADDRESS: BYTES\", found \"%1\"")
            .arg(QString::fromLatin1(line.trimmed().left(60)));
    quint32 address = match.captured(1).toUInt(nullptr, 16);
    const QStringList bytes = match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &byte : bytes) {
        const int offset = ImageCapture::imageOffset(address);
        if (offset < 0)
            return tr("address 0x%1 lies outside the image").arg(address, 4, 16, QLatin1Char('0'));
        if (seen.at(offset))
            return tr("address 0x%1 is given twice").arg(address, 4, 16, QLatin1Char('0'));
        image[offset] = char(byte.toUInt(nullptr, 16));
        seen[offset] = 1;
        ++address;
    }
    return QString();
}

QByteArray HexImageReader::read(const QByteArray &text, QString &error)
{
    QByteArray image(ImageCapture::ImageSize, '\0');
    QByteArray seen(ImageCapture::ImageSize, '\0');
    const QList<QByteArray> lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        if (lines.at(index).trimmed().isEmpty())
            continue;
        const QString problem = readLine(lines.at(index), image, seen);
        if (!problem.isEmpty()) {
            error = tr("line %1: %2").arg(index + 1).arg(problem);
            return QByteArray();
        }
    }
    const int missing = int(seen.count('\0'));
    if (missing > 0) {
        error = tr("%1 of the %2 image bytes are missing").arg(missing).arg(image.size());
        return QByteArray();
    }
    return image;
}
