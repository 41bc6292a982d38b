// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours the words of a logic expression: one rule per pattern; where
// rules overlap the later one wins.
class Highlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit Highlighter(QTextDocument *document);

    // weight 0 keeps the document's font weight.
    void addPatterns(const QStringList &patterns, const QBrush &brush, int weight);
    void clearRules();

protected:
    void highlightBlock(const QString &text) override;

private:
    struct Rule
    {
        QRegularExpression expression;
        QTextCharFormat format;
    };
    QList<Rule> m_rules;
};
