// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/documentlimits.h"

#include <QByteArrayView>

namespace {

// Offset just past the terminator, or the end of the bytes.
qsizetype skipPast(const QByteArray &bytes, qsizetype from, const char *terminator)
{
    const qsizetype at = bytes.indexOf(terminator, from);
    return at < 0 ? bytes.size() : at + qsizetype(qstrlen(terminator));
}

bool endsName(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

// Walks one tag from its '<' to its '>' outside quotes; measures its name and
// counts the '=' of its attributes. Returns the offset past the tag.
qsizetype scanTag(const QByteArray &bytes, qsizetype from, qsizetype &nameLength, int &attributes)
{
    attributes = 0;
    qsizetype at = from + 1;
    while (at < bytes.size() && !endsName(bytes.at(at)))
        ++at;
    nameLength = at - from - 1;
    char quote = 0;
    for (; at < bytes.size(); ++at) {
        const char c = bytes.at(at);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '=') {
            ++attributes;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return bytes.size();
}

} // namespace

QString DocumentLimits::problem(const QByteArray &bytes)
{
    if (bytes.size() > maxBytes)
        return tooLargeText(tr("The document"));
    TagProblem problem = TagProblem::None;
    const qsizetype at = oversizedTag(bytes, problem);
    if (problem == TagProblem::None)
        return QString();
    const qsizetype line = QByteArrayView(bytes.constData(), at).count('\n') + 1;
    if (problem == TagProblem::LongName)
        return tr("The element name at line %1 is longer than %2 characters.")
            .arg(line)
            .arg(maxNameLength);
    return tr("The element at line %1 has more than %2 attributes.").arg(line).arg(maxAttributes);
}

QString DocumentLimits::tooLargeText(const QString &what)
{
    return tr("%1 is larger than %2 MB, the most a design document may be.")
        .arg(what)
        .arg(maxBytes / (1024 * 1024));
}

qsizetype DocumentLimits::oversizedTag(const QByteArray &bytes, TagProblem &problem)
{
    // Comments, CDATA and processing instructions may hold '=' and '>' freely;
    // declarations (<!DOCTYPE, <!ENTITY) are stepped over as tags, uncounted.
    qsizetype at = bytes.indexOf('<');
    while (at >= 0 && at < bytes.size()) {
        const QByteArrayView rest(bytes.constData() + at, bytes.size() - at);
        if (rest.startsWith("<!--")) {
            at = skipPast(bytes, at, "-->");
        } else if (rest.startsWith("<![CDATA[")) {
            at = skipPast(bytes, at, "]]>");
        } else if (rest.startsWith("<?")) {
            at = skipPast(bytes, at, "?>");
        } else {
            const qsizetype start = at;
            qsizetype nameLength = 0;
            int attributes = 0;
            at = scanTag(bytes, at, nameLength, attributes);
            if (nameLength > maxNameLength)
                problem = TagProblem::LongName;
            else if (attributes > maxAttributes && !rest.startsWith("<!"))
                problem = TagProblem::ManyAttributes;
            if (problem != TagProblem::None)
                return start;
        }
        at = bytes.indexOf('<', at);
    }
    return -1;
}
