// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/netnametext.h"

#include <QStringList>

#include <algorithm>

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
        if (isShown(net, nets))
            pairs.append({net.port, net.name});
    }
    return replaceWords(text, pairs);
}

QString NetNameText::toPortNames(const QString &text, const QList<Net> &nets)
{
    QList<std::pair<QString, QString>> pairs;
    for (const Net &net : nets) {
        if (isShown(net, nets))
            pairs.append({net.name, net.port});
    }
    return replaceWords(text, pairs);
}

bool NetNameText::isShown(const Net &net, const QList<Net> &nets)
{
    static const QStringList words = {QStringLiteral("not"), QStringLiteral("and"), QStringLiteral("or"),
                                      QStringLiteral("xor"), QStringLiteral("true"), QStringLiteral("false")};
    const QString name = net.name;
    if (name.isEmpty() || words.contains(name) || endsWord(name.front()) || endsWord(name.back())
        || name.contains(QLatin1Char('(')) || name.contains(QLatin1Char(')')))
        return false;
    return std::none_of(nets.cbegin(), nets.cend(), [&](const Net &other) {
        return other.port == name || (other.port != net.port && other.name == name);
    });
}

QString NetNameText::replaceWords(const QString &text,
                                  const QList<std::pair<QString, QString>> &pairs)
{
    // Longest first, so that a name is never taken for a shorter one that
    // begins it; names may hold blanks, so they are matched at word starts
    // rather than looked up word by word.
    QList<std::pair<QString, QString>> longestFirst = pairs;
    std::stable_sort(longestFirst.begin(), longestFirst.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    QString result;
    int at = 0;
    while (at < text.size()) {
        if (endsWord(text.at(at))) {
            result += text.at(at++);
            continue;
        }
        const auto match = std::find_if(longestFirst.cbegin(), longestFirst.cend(), [&](const auto &pair) {
            const int end = at + int(pair.first.size());
            return QStringView(text).mid(at).startsWith(pair.first)
                   && (end == text.size() || endsWord(text.at(end)));
        });
        if (match != longestFirst.cend()) {
            result += match->second;
            at += int(match->first.size());
            continue;
        }
        while (at < text.size() && !endsWord(text.at(at)))
            result += text.at(at++);
    }
    return result;
}
