#include "io/saxhandler.h"

#include "io/entrybuilder.h"
#include "model/connectionsettings.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QCoreApplication>
#include <QXmlStreamAttributes>

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
    const bool handled = m_builder.createEntry(m_currentTerm, m_sheetIndex, m_map,
                                               m_mode == Mode::PastePlan);
    m_currentTerm.clear();
    if (!handled)
        m_errorString = tr("error triggered by consumer");
    return handled;
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
    m_fatalErrorText = tr("Parse error at line %1, column %2:\n%3.")
                           .arg(line)
                           .arg(column)
                           .arg(message);
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
    // Written as a signed 32-bit number; read back either way.
    const QStringView timeout = attributes.value(QLatin1String("Timeout"));
    bool ok = false;
    quint32 seconds = static_cast<quint32>(timeout.toInt(&ok));
    if (!ok)
        seconds = timeout.toUInt(); // unparsable: 0
    settings.timeout = seconds == 0 ? 1 : seconds;
    settings.autoConnect = attributes.value(QLatin1String("autoConnect")) == QLatin1String("true");
    m_noRoot = false;
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
