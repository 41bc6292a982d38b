// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/blockitem.h"

#include "model/blockimages.h"
#include "model/propertytext.h"
#include "model/xmltext.h"

#include <QTextStream>

#include <algorithm>

BlockItem::BlockItem(int id, int sheet, const QString &name, BlockKind kind, bool drawName)
    : m_id(id), m_sheet(sheet), m_kind(kind), m_name(name)
{
    if (drawName)
        BlockItem::setCaption(QString());
}

BlockItem::~BlockItem()
{
    // Fan-out entries are copied: a block may feed itself, and removeSource
    // must not change the list being walked.
    const QList<BlockItem *> destinations = m_fanout;
    for (BlockItem *destination : destinations)
        destination->removeSource(this);
    const InputMap sources = m_inputs;
    for (BlockItem *source : sources)
        source->removeFanout(this);
}

void BlockItem::setPosition(const QPoint &position) { m_position = position; }
QPoint BlockItem::position() const { return m_position; }

QSize BlockItem::size() const { return BlockImages::sizeOf(m_kind); }

bool BlockItem::setProperty(const QString &text)
{
    m_property = text;
    return true;
}

QString BlockItem::property() const { return m_property; }

const QList<BlockItem *> &BlockItem::fanout() const { return m_fanout; }
void BlockItem::addFanout(BlockItem *destination) { m_fanout.append(destination); }
void BlockItem::removeFanout(BlockItem *destination) { m_fanout.removeOne(destination); }

int BlockItem::connectSource(int port, BlockItem *source)
{
    if (!source || port < 0 || port >= inputCount())
        return -1;
    if (BlockItem *previous = m_inputs.value(port))
        previous->removeFanout(this);
    m_inputs.insert(port, source);
    source->addFanout(this);
    return port;
}

BlockItem *BlockItem::source(int port) const { return m_inputs.value(port); }
const BlockItem::InputMap &BlockItem::inputs() const { return m_inputs; }
void BlockItem::eraseInput(int port)
{
    BlockItem *source = m_inputs.take(port);
    if (source)
        reconcileFanout(source);
}

void BlockItem::disconnectAt(const QPoint &point)
{
    for (auto it = m_inputs.cbegin(); it != m_inputs.cend(); ++it) {
        if (wireEndPoint(it.key()) == point) {
            eraseInput(it.key());
            return;
        }
    }
}

void BlockItem::removeSource(BlockItem *source)
{
    m_inputs.removeIf([source](const auto &entry) { return entry.value() == source; });
}

BlockItem *BlockItem::sourceAt(int x, int y) const
{
    const QPoint point(x, y);
    for (BlockItem *source : m_inputs) {
        if (source->outputPoint() == point)
            return source;
    }
    return nullptr;
}

QString BlockItem::name() const { return m_name; }
void BlockItem::setName(const QString &name) { m_name = name; }

QString BlockItem::displayName() const
{
    return (m_userName.isEmpty() ? m_name : m_userName).trimmed();
}

QString BlockItem::userName() const { return m_userName; }

void BlockItem::setUserName(const QString &userName)
{
    m_userName = userName;
    // Caption overrides of the delayed outputs rename the block; the user
    // name is a caption only.
    const QString name = m_name;
    setCaption(userName);
    m_name = name;
}

int BlockItem::sheet() const { return m_sheet; }

void BlockItem::setTerm(const QString &term)
{
    m_term = term;
    if (const BlockKind kind = BlockKinds::ofTerm(term); kind != BlockKind::None)
        m_kind = kind;
}
QString BlockItem::term() const { return m_term; }

QPoint BlockItem::outputPoint() const
{
    const QSize picture = size();
    return {m_position.x() + picture.width(), m_position.y() + picture.height() / 2};
}

QPoint BlockItem::inputPoint(int) const
{
    return {m_position.x(), m_position.y() + size().height() / 2};
}

void BlockItem::setRow(int row) { m_id = row; }
int BlockItem::id() const { return m_id; }

BlockItem::Identity BlockItem::identity() const { return {m_id, m_sheet, m_name}; }

bool BlockItem::containsPoint(int sheet, int x, int y) const
{
    if (sheet >= 0 && sheet != m_sheet)
        return false;
    const QSize picture = size();
    return x >= m_position.x() && x <= m_position.x() + picture.width()
           && y >= m_position.y() && y <= m_position.y() + picture.height();
}

void BlockItem::writeEntry(QTextStream &stream, const QString &term, int level) const
{
    const QString outer = indent(level);
    const QString inner = indent(level + 1);
    stream << outer << "<entry term=\"" << XmlText::escaped(term) << "\">\n";
    stream << inner << "<id>" << m_id << "</id>\n";
    stream << inner << "<name>" << XmlText::escaped(m_name) << "</name>\n";
    if (!m_userName.isEmpty())
        stream << inner << "<userName>" << XmlText::escaped(m_userName) << "</userName>\n";
    for (auto it = m_inputs.cbegin(); it != m_inputs.cend(); ++it) {
        stream << inner << "<net port=\"" << it.key() << "\">" << XmlText::escaped(it.value()->name())
               << "</net>\n";
    }
    if (!m_property.isEmpty())
        stream << inner << "<property>" << XmlText::escaped(m_property) << "</property>\n";
    stream << outer << "</entry>\n";
}

QList<QLine> BlockItem::wires() const
{
    QList<QLine> segments;
    for (auto it = m_inputs.cbegin(); it != m_inputs.cend(); ++it)
        segments.append(QLine(it.value()->outputPoint(), wireEndPoint(it.key())));
    return segments;
}

QString BlockItem::propertyValue(const QString &key) const
{
    return PropertyText::value(m_property, key);
}

void BlockItem::setCaption(const QString &text)
{
    m_caption = text.isEmpty() ? m_name : text;
}

QString BlockItem::caption() const { return m_caption; }

QString BlockItem::indent(int level) const
{
    return QString(4 * qMax(level, 0), QLatin1Char(' '));
}

int BlockItem::inputCount() const { return traits().inputCount; }

QPoint BlockItem::wireEndPoint(int port) const { return inputPoint(port); }

void BlockItem::clearCaption()
{
    m_caption.clear();
}

void BlockItem::setDelayedCaption(const QString &delayText, const QString &kindWord,
                                  const QString &text)
{
    // An empty text stands for the name, so that clearing a user name keeps
    // the delay in the caption.
    constexpr int paddedLength = 11;
    QString tail = text.isEmpty() ? m_name : text;
    if (tail.size() < kindWord.size() + 1)
        tail += QString(paddedLength - tail.size(), QLatin1Char(' '));
    BlockItem::setCaption(delayText + tail);
    m_name = tail;
}

void BlockItem::initDelayedCaption(const QString &delayText, const QString &kindWord)
{
    if (m_name.contains(QLatin1String("Delay "))) {
        BlockItem::setCaption(QString());
        const int at = m_name.indexOf(kindWord);
        if (at >= 0)
            m_name = m_name.mid(at);
        return;
    }
    setDelayedCaption(delayText, kindWord, m_name);
}

void BlockItem::reconcileFanout(BlockItem *source)
{
    // A source whose removeFanout was not called first would keep a
    // reference that outlives this block.
    const qsizetype connections = std::count(m_inputs.cbegin(), m_inputs.cend(), source);
    while (source->m_fanout.count(this) > connections)
        source->m_fanout.removeOne(this);
}

void BlockItem::forgetConnections()
{
    m_inputs.clear();
    m_fanout.clear();
}
