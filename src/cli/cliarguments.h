// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/clioption.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Arguments of one subcommand: options (short "-u 4660", "-u4660"; long
// "--udp-port 4660", "--udp-port=4660"; flags), then operands. "--" ends the
// options. A repeated option keeps its last value.
class CliArguments
{
    Q_DECLARE_TR_FUNCTIONS(CliArguments)

public:
    // Parses words against the options a subcommand accepts. On failure
    // errorText() explains what was wrong and the result holds what was read
    // up to that point.
    static CliArguments parse(const QStringList &words, const QList<CliOption> &options);

    bool isValid() const { return m_errorText.isEmpty(); }
    const QString &errorText() const { return m_errorText; }

    bool isSet(const QString &key) const { return m_values.contains(key); }
    QString value(const QString &key, const QString &fallback = QString()) const;
    // Every value of an option that may be given more than once, in order.
    QStringList values(const QString &key) const { return m_lists.value(key); }
    const QStringList &operands() const { return m_operands; }
    QString operand(int index) const { return m_operands.value(index); }

private:
    bool takeLong(const QString &word, const QStringList &words, int &index,
                  const QList<CliOption> &options);
    bool takeShort(const QString &word, const QStringList &words, int &index,
                   const QList<CliOption> &options);
    bool store(const CliOption &option, const QString &shown, const QString *attached,
               const QStringList &words, int &index);

    QHash<QString, QString> m_values;
    QHash<QString, QStringList> m_lists;
    QStringList m_operands;
    QString m_errorText;
};
