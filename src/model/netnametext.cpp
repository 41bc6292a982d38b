#include "model/netnametext.h"

namespace {

bool endsWord(QChar c)
{
    return c.isSpace() || c == QLatin1Char('(') || c == QLatin1Char(')');
}

} // namespace

QString NetNameText::toNetNames(const QString &text, const QList<Net> &nets)
{
    QList<std::pair<QString, QString>> pairs;
    for (const Net &net : nets) {
        if (!net.name.isEmpty())
            pairs.append({net.port, net.name});
    }
    return replaceWords(text, pairs);
}

QString NetNameText::toPortNames(const QString &text, const QList<Net> &nets)
{
    QList<std::pair<QString, QString>> pairs;
    for (const Net &net : nets) {
        if (!net.name.isEmpty())
            pairs.append({net.name, net.port});
    }
    return replaceWords(text, pairs);
}

QString NetNameText::replaceWords(const QString &text,
                                  const QList<std::pair<QString, QString>> &pairs)
{
    QString result;
    int at = 0;
    while (at < text.size()) {
        if (endsWord(text.at(at))) {
            result += text.at(at++);
            continue;
        }
        int end = at;
        while (end < text.size() && !endsWord(text.at(end)))
            ++end;
        const QString word = text.mid(at, end - at);
        QString replacement = word;
        for (const auto &pair : pairs) {
            if (pair.first == word) {
                replacement = pair.second;
                break;
            }
        }
        result += replacement;
        at = end;
    }
    return result;
}
