#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdio>

// Where a subcommand's results go. Text mode prints lines on standard
// output as they come; JSON mode collects fields and prints one object at
// the end. Messages about failures always go to standard error as well.
class CliReporter
{
public:
    CliReporter(const QString &command, bool json);

    bool isJson() const { return m_json; }

    // One line of the text result (a line feed is added); nothing in JSON mode.
    void print(const QString &line);
    // Text already broken into lines, printed as it is.
    void printBlock(const QString &text);
    void set(const QString &key, const QJsonValue &value);
    // Reports a failure on standard error; the JSON object gets it as "error".
    void error(const QString &message);
    // Notes for the user that are not results (progress, hints): standard error.
    void note(const QString &message);

    // Prints the JSON object (with "command", "ok" and "exitCode") and
    // returns exitCode unchanged.
    int finish(int exitCode);

private:
    static void write(FILE *stream, const QString &text);

    QString m_command;
    bool m_json;
    QJsonObject m_result;
};
