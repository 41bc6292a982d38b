// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// What a design document may be, checked before the XML parser sees it: the
// parser's cost grows with the square of the attributes on one element, and
// the largest real design is about 1.6 MB.
class DocumentLimits
{
    Q_DECLARE_TR_FUNCTIONS(DocumentLimits)

public:
    static constexpr qint64 maxBytes = 8 * 1024 * 1024;
    // A real element has at most five; far more is never a design.
    static constexpr int maxAttributes = 256;
    // The parser's own message for longer names is no help to a user.
    static constexpr int maxNameLength = 1024;

    // Why the bytes are refused; empty when they are within the limits.
    static QString problem(const QByteArray &bytes);
    // "%1 is larger than 8 MB, the most a design document may be."
    static QString tooLargeText(const QString &what);

private:
    enum class TagProblem { None, LongName, ManyAttributes };
    // Offset of the first tag beyond a limit, with the problem; -1 if none.
    static qsizetype oversizedTag(const QByteArray &bytes, TagProblem &problem);
};
