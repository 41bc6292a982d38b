// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// What reading a document has to tell the user. Repairs are the notes on
// changes that make the loaded design differ from the file (an entry renamed,
// moved, dropped or a connection left out); they are among the messages too,
// in reading order.
struct LoadNotes
{
    QStringList messages;
    QStringList repairs;

    void note(const QString &text) { messages.append(text); }
    void repair(const QString &text)
    {
        messages.append(text);
        repairs.append(text);
    }
};
