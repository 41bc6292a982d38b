#include "clireporter.h"

#include "cli/exitcode.h"

#include <QJsonDocument>

#include <cstdio>

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
    return exitCode;
}

void CliReporter::write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
