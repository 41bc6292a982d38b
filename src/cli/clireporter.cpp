// SPDX-License-Identifier: GPL-3.0-or-later
#include "clireporter.h"

#include "cli/exitcode.h"

#include <QJsonDocument>

#include <cerrno>
#include <cstring>

CliReporter::CliReporter(const QString &command, bool json)
    : m_command(command)
    , m_json(json)
{
}

void CliReporter::print(const QString &line)
{
    if (!m_json)
        write(stdout, line + QLatin1Char('\n'));
}

void CliReporter::printBlock(const QString &text)
{
    if (m_json || text.isEmpty())
        return;
    write(stdout, text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
}

void CliReporter::printRaw(const QByteArray &bytes)
{
    writeBytes(stdout, bytes);
}

void CliReporter::set(const QString &key, const QJsonValue &value)
{
    m_result.insert(key, value);
}

void CliReporter::error(const QString &message)
{
    const QString text = message.trimmed();
    m_result.insert(QStringLiteral("error"), text);
    write(stderr, QStringLiteral("karix-cli: ") + text + QLatin1Char('\n'));
}

void CliReporter::note(const QString &message)
{
    write(stderr, message + QLatin1Char('\n'));
}

int CliReporter::finish(int exitCode)
{
    if (m_json) {
        QJsonObject object = m_result;
        if (!m_command.isEmpty())
            object.insert(QStringLiteral("command"), m_command);
        object.insert(QStringLiteral("ok"), exitCode == ExitCode::Success);
        object.insert(QStringLiteral("exitCode"), exitCode);
        write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))
                          + QLatin1Char('\n'));
    }
    if (m_outputError == 0)
        return exitCode;
    // A reader that stopped reading (head, a closed pager) ends us quietly;
    // any other failure to write the results is an error.
    if (m_outputError != EPIPE)
        write(stderr, tr("karix-cli: Cannot write to standard output: %1\n")
                          .arg(QString::fromLocal8Bit(std::strerror(m_outputError))));
    // Results that did not arrive are no success, nor mere warnings.
    const bool reportedFine = exitCode == ExitCode::Success || exitCode == ExitCode::Warnings;
    return reportedFine ? int(ExitCode::Failed) : exitCode;
}

void CliReporter::write(FILE *stream, const QString &text)
{
    writeBytes(stream, text.toLocal8Bit());
}

void CliReporter::writeBytes(FILE *stream, const QByteArray &bytes)
{
    // After the first failure nothing more is tried: the reason is kept.
    if (stream == stdout && m_outputError != 0)
        return;
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    const bool ok = std::fflush(stream) == 0 && written == size_t(bytes.size());
    if (!ok && stream == stdout)
        m_outputError = errno != 0 ? errno : EIO;
}
