// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/standardoutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int StandardOutput::print(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (std::fflush(stdout) == 0 && written == size_t(bytes.size()))
        return 0;
    const int error = errno != 0 ? errno : EIO;
    const QString message = tr("Cannot write to standard output: %1\n")
                                .arg(QString::fromLocal8Bit(std::strerror(error)));
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return 1;
}
