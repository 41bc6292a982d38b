// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/documentfile.h"

#include "io/documentlimits.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool DocumentFile::read(const QString &path, QByteArray &bytes, QString &errorText)
{
    errorText = pathProblem(path);
    if (!errorText.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    // One byte over the limit tells a file that grew since it was looked at.
    bytes = file.read(DocumentLimits::maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        errorText = tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (bytes.size() > DocumentLimits::maxBytes) {
        errorText = DocumentLimits::tooLargeText(path);
        return false;
    }
    return true;
}

QString DocumentFile::pathProblem(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // A name too long or a loop of links is no missing file: say which.
        if (errno == ENOENT)
            return tr("No such file: %1").arg(path);
        return tr("Cannot read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISDIR(info.st_mode))
        return tr("%1 is a directory, not a design document.").arg(path);
    if (!S_ISREG(info.st_mode))
        return tr("%1 is not a regular file (a device, FIFO or socket), not a design document.")
            .arg(path);
    if (info.st_size > DocumentLimits::maxBytes)
        return DocumentLimits::tooLargeText(path);
    return QString();
}
