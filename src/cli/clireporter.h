// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdio>

// Where a subcommand's results go. Text mode prints lines on standard
// output as they come; JSON mode collects fields and prints one object at
// the end. Messages about failures always go to standard error as well.
// Standard output is checked: a result that could not be written turns a
// success or warnings exit code into 1 (quietly when the reader closed the
// pipe).
class CliReporter
{
    Q_DECLARE_TR_FUNCTIONS(CliReporter)

public:
    CliReporter(const QString &command, bool json);

    bool isJson() const { return m_json; }

    // One line of the text result (a line feed is added); nothing in JSON mode.
    void print(const QString &line);
    // Text already broken into lines, printed as it is.
    void printBlock(const QString &text);
    // Bytes as they are (a binary image), in any mode.
    void printRaw(const QByteArray &bytes);
    // True once something meant for standard output could not be written.
    bool outputFailed() const { return m_outputError != 0; }
    void set(const QString &key, const QJsonValue &value);
    // Reports a failure on standard error; the JSON object gets it as "error".
    void error(const QString &message);
    // Notes for the user that are not results (progress, hints): standard error.
    void note(const QString &message);

    // Prints the JSON object (with "command", "ok" and "exitCode") and
    // returns exitCode, or 1 instead of 0 or 3 when standard output failed.
    int finish(int exitCode);

private:
    void write(FILE *stream, const QString &text);
    void writeBytes(FILE *stream, const QByteArray &bytes);

    QString m_command;
    bool m_json;
    QJsonObject m_result;
    int m_outputError = 0; // errno of the first failed write to standard output
};
