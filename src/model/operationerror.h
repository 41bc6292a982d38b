// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

// What the core throws when a computation or a module operation cannot go
// on: a text for the user, already translated. Whoever starts the operation
// catches it and shows the text (a dialog, karix-cli, the worker's error
// signal).
class OperationError
{
public:
    explicit OperationError(QString message) : m_message(std::move(message)) {}

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
