#include "app/sheetremover.h"

#include <QList>
#include <QRegularExpression>

QByteArray SheetRemover::removeSheet(const QByteArray &document, int index)
{
    static const QRegularExpression tabOpen(QStringLiteral("^(\\s*<tab id=\")(\\d+)(\".*)$"));
    QList<QByteArray> kept;
    bool skipping = false;
    int nextId = 0;
    for (const QByteArray &line : document.split('\n')) {
        if (skipping) {
            skipping = line.trimmed() != "</tab>";
            continue;
        }
        const QRegularExpressionMatch match = tabOpen.match(QString::fromUtf8(line));
        if (!match.hasMatch()) {
            kept << line;
        } else if (match.captured(2).toInt() == index) {
            skipping = true;
        } else {
            kept << (match.captured(1) + QString::number(nextId++) + match.captured(3)).toUtf8();
        }
    }
    return kept.join('\n');
}
