// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Switches a logic expression between its port variables ("_A" .. "_K") and
// the names of the blocks connected to those ports. Only whole words (or
// runs of words, for names with blanks) are replaced: words end at white
// space and parentheses, and the longest name wins, so a name that is a
// prefix of another name, or occurs inside another word, is never split.
// Everything between the words is kept as it is.
class NetNameText
{
public:
    struct Net
    {
        QString port; // "_A" .. "_K"
        QString name; // display name of the connected block; empty: unconnected
    };

    static QString toNetNames(const QString &text, const QList<Net> &nets);
    static QString toPortNames(const QString &text, const QList<Net> &nets);
    // A name that could be read back as something else (an operator, a
    // constant, a variable, another port's name, or containing a word end)
    // is never shown: its port keeps the variable.
    static bool isShown(const Net &net, const QList<Net> &nets);

private:
    // Replaces every whole-word occurrence of a key of the pairs (from, to).
    static QString replaceWords(const QString &text, const QList<std::pair<QString, QString>> &pairs);
};
