// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/saxhandler.h"

#include "model/connectionvalues.h"
#include "io/entrybuilder.h"
#include "model/connectionsettings.h"
#include "model/logicevaluator.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QCoreApplication>
#include <QXmlStreamAttributes>

#include <limits>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SaxHandler", text);
}

} // namespace

SaxHandler::SaxHandler(const DocumentContext &context, EntryBuilder &builder, Mode mode)
    : m_context(context), m_builder(builder), m_mode(mode)
{
}

bool SaxHandler::startElement(const QString &name, const QXmlStreamAttributes &attributes)
{
    // A fragment carries neither sheets nor connection settings; pasting
    // text must never change them.
    const bool fragment = m_mode != Mode::Document;
    if (name == QLatin1String("entry")) {
        m_currentTerm = attributes.value(QLatin1String("term")).toString();
        m_map.clear();
    } else if (isRootName(name)) {
        if (!fragment)
            applyRoot(attributes);
    } else if (name == QLatin1String("tab") && !fragment && !startTab(attributes)) {
        return false;
    }
    if (name == QLatin1String("wire"))
        m_currentKey = attributes.value(QLatin1String("bit")).toString();
    else if (name == QLatin1String("net"))
        m_currentKey = attributes.value(QLatin1String("port")).toString();
    else
        m_currentKey = name;
    return true;
}

bool SaxHandler::endElement(const QString &name)
{
    if (name != QLatin1String("entry"))
        return true;
    if (!expressionFits())
        return false;
    const bool handled = m_builder.createEntry(m_currentTerm, m_sheetIndex, m_map,
                                               m_mode == Mode::PastePlan);
    m_currentTerm.clear();
    if (!handled)
        m_errorString = tr("error triggered by consumer");
    return handled;
}

// Refused rather than loaded: the logic editor could not show it usefully,
// and shortening it would change the design.
bool SaxHandler::expressionFits()
{
    const EntryKeys keys = EntryKeys::fromMap(m_currentTerm, m_map);
    if (keys.property.size() <= LogicEvaluator::MaxExpressionLength)
        return true;
    m_errorString = keys.name + QStringLiteral(": ") + LogicEvaluator::tooLongText();
    return false;
}

bool SaxHandler::characters(const QString &text)
{
    // White space between elements starts with a line break and is skipped.
    if (!text.isEmpty() && text.at(0).isPrint())
        m_map.insert(m_currentKey, text);
    return true;
}

void SaxHandler::fatalError(qint64 line, qint64 column, const QString &message)
{
    // Most of the parser's messages end in a period already: one is enough.
    const QString sentence = message.endsWith(QLatin1Char('.')) ? message.chopped(1) : message;
    m_fatalErrorText = tr("Parse error at line %1, column %2:\n%3.")
                           .arg(line)
                           .arg(column)
                           .arg(sentence);
}

void SaxHandler::refuse(const QString &message)
{
    m_fatalErrorText = message;
}

bool SaxHandler::isRootName(const QString &name)
{
    return name == QLatin1String("KaRiX") || name == QLatin1String("Karix")
           || name == QLatin1String("Tarvelon");
}

void SaxHandler::applyRoot(const QXmlStreamAttributes &attributes)
{
    ConnectionSettings &settings = *m_context.settings;
    settings.address = attributes.value(QLatin1String("addr")).toString();
    // Missing or unparsable numbers read as 0.
    settings.tcpPort = attributes.value(QLatin1String("tcpPort")).toUShort();
    settings.udpPort = attributes.value(QLatin1String("udpPort")).toUShort();
    settings.timeout = timeoutOf(attributes.value(QLatin1String("Timeout")));
    settings.autoConnect = attributes.value(QLatin1String("autoConnect")) == QLatin1String("true");
    m_noRoot = false;
}

quint32 SaxHandler::timeoutOf(QStringView text)
{
    // Written as a signed 32-bit number; read back either way. Unparsable
    // text and 0 read as 1 second without a word, as files always have. A
    // negative number is no time-out at all: the default, with a warning.
    bool ok = false;
    const int signedSeconds = text.toInt(&ok);
    if (ok && signedSeconds < 0) {
        const quint32 standard = ConnectionSettings().timeout;
        m_messages.append(ConnectionValues::clampedTimeoutText(text.toString(), standard));
        return standard;
    }
    quint32 seconds = ok ? quint32(signedSeconds) : text.toUInt(&ok);
    if (!ok) {
        // More digits than 32 bits hold is still a number, only a huge one.
        if (ConnectionValues::timeout(text.toString(), seconds)
            != ConnectionValues::Verdict::OutOfRange)
            return ConnectionValues::minTimeout;
        seconds = std::numeric_limits<quint32>::max();
    }
    if (seconds == 0)
        return ConnectionValues::minTimeout;
    const quint32 used = ConnectionValues::clampedTimeout(seconds);
    if (used != seconds)
        m_messages.append(ConnectionValues::clampedTimeoutText(text.toString(), used));
    return used;
}

bool SaxHandler::startTab(const QXmlStreamAttributes &attributes)
{
    const int index = attributes.value(QLatin1String("id")).toInt();
    if (index < 0 || index > lastSheetIndex) {
        m_errorString = tr("sheet id %1 is out of range").arg(index);
        return false;
    }
    m_sheetIndex = index;
    m_context.sheets->ensureSheet(index)->setCaption(
        attributes.value(QLatin1String("name")).toString());
    return true;
}
