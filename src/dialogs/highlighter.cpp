// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/highlighter.h"

#include "model/logicevaluator.h"

#include <QTextDocument>

Highlighter::Highlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
}

void Highlighter::addPatterns(const QStringList &patterns, const QBrush &brush, int weight)
{
    QTextCharFormat format;
    format.setForeground(brush);
    if (weight > 0)
        format.setFontWeight(weight);
    for (const QString &pattern : patterns)
        m_rules.append({QRegularExpression(pattern), format});
    rehighlight();
}

void Highlighter::clearRules()
{
    m_rules.clear();
}

void Highlighter::highlightBlock(const QString &text)
{
    // A text over the limit is about to be refused: colouring it would take
    // seconds for nothing.
    if (document()->characterCount() > LogicEvaluator::MaxExpressionLength + 1)
        return;
    for (const Rule &rule : m_rules) {
        auto matches = rule.expression.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            if (match.capturedLength() > 0)
                setFormat(int(match.capturedStart()), int(match.capturedLength()), rule.format);
        }
    }
    setCurrentBlockState(0);
}
