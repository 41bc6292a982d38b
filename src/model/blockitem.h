// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockkinds.h"

#include <QLine>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QPoint>
#include <QSize>
#include <QString>

class QObject;
class QTextStream;

// One element of a sheet: a node of the design (kind, resource name,
// parameters, input connections) with its place and caption text. How it
// looks is the canvas's business; its size comes from the kind's picture.
//
// Ownership: every block is owned by the DesignModel. `inputs` and `fanout`
// are non-owning; the connection operations and the destructor keep them
// consistent: for every connection (port p of D fed by S) D's inputs map p to
// S and S's fanout lists D once.
class BlockItem
{
public:
    using InputMap = QMap<int, BlockItem *>;

    struct Identity
    {
        int id;
        int sheet;
        QString name;
    };

    virtual ~BlockItem();

    BlockItem(const BlockItem &) = delete;
    BlockItem &operator=(const BlockItem &) = delete;

    // Top-left corner of the picture on the canvas, in pixels.
    virtual void setPosition(const QPoint &position);
    virtual QPoint position() const;
    // Size of the kind's picture, in pixels.
    QSize size() const;

    virtual bool setProperty(const QString &text);
    virtual QString property() const;

    virtual const QList<BlockItem *> &fanout() const;
    virtual void addFanout(BlockItem *destination);
    // Removes the first occurrence only: one entry stands for one connection.
    virtual void removeFanout(BlockItem *destination);

    // Returns the port used, or -1 when refused (null source, a port outside
    // 0 .. inputCount() - 1).
    virtual int connectSource(int port, BlockItem *source);
    virtual BlockItem *source(int port) const;
    virtual const InputMap &inputs() const;
    // A wire is deleted by the source's removeFanout(this) followed by
    // eraseInput or disconnectAt here; these two also drop a fan-out entry
    // the source still holds beyond its remaining connections.
    virtual void eraseInput(int port);
    virtual void disconnectAt(const QPoint &point);
    // Used when `source` is destroyed: its fan-out is left alone.
    virtual void removeSource(BlockItem *source);
    virtual BlockItem *sourceAt(int x, int y) const;

    virtual QString name() const;
    virtual void setName(const QString &name);
    // userName if set, else name; trimmed.
    virtual QString displayName() const;
    virtual QString userName() const;
    virtual void setUserName(const QString &userName);
    virtual int sheet() const;
    // Only when sheets are renumbered.
    void setSheet(int sheet) { m_sheet = sheet; }

    // The kind follows the term; a term that names no kind keeps the kind
    // the block was created as.
    virtual void setTerm(const QString &term);
    virtual QString term() const;
    BlockKind kind() const { return m_kind; }
    const BlockKindTraits &traits() const { return BlockKinds::traits(m_kind); }

    virtual QPoint outputPoint() const;
    virtual QPoint inputPoint(int port) const;

    // The block's row in its column.
    virtual void setRow(int row);
    virtual int id() const;

    virtual Identity identity() const;

    // A negative sheet matches any sheet; edges of the picture are inside.
    virtual bool containsPoint(int sheet, int x, int y) const;

    // Writes the block's <entry> element, each line indented by `level`;
    // texts are XML-escaped so that names and paths cannot break the document.
    virtual void writeEntry(QTextStream &stream, const QString &term, int level) const;

    // One segment per connected port, ascending, source output → this input.
    virtual QList<QLine> wires() const;

    // Text after "key=" up to the next blank; empty when absent. The key
    // must start an item, so a key inside a value (a path) is not taken.
    virtual QString propertyValue(const QString &key) const;

    // Empty text shows `name`; any other text is shown instead of it.
    virtual void setCaption(const QString &text);
    // The text the canvas shows on the block's picture.
    QString caption() const;

    virtual QString indent(int level) const;

    // Number of input ports, as the kind table gives it: 1 for most kinds (port 0).
    virtual int inputCount() const;

protected:
    // Captioned with `name`; subclasses with their own caption rule pass
    // drawName = false.
    BlockItem(int id, int sheet, const QString &name, BlockKind kind, bool drawName = true);

    // Where the wire into `port` ends; logic blocks use their letter inputs.
    virtual QPoint wireEndPoint(int port) const;

    // No caption at all.
    void clearCaption();

    // Caption rule of the outputs with a fixed path delay (NIM-OUT, FeedBack):
    // `delayText` ("Delay 85ns     ") followed by `text`, which is padded to
    // 11 characters when shorter than kindWord plus one; `name` becomes `text`.
    // An empty text draws the name behind the delay.
    void setDelayedCaption(const QString &delayText, const QString &kindWord,
                           const QString &text);
    // Constructor part of the same rule: a name carrying "Delay " is drawn as
    // it is and cut back to start at kindWord.
    void initDelayedCaption(const QString &delayText, const QString &kindWord);

private:
    friend class DesignModel;
    // Forgets every connection without touching the other blocks; only for a
    // model that deletes all blocks at once.
    void forgetConnections();
    void reconcileFanout(BlockItem *source);

    int m_id;
    int m_sheet;
    QPoint m_position;
    QString m_term;
    BlockKind m_kind = BlockKind::None;
    QString m_name;
    QString m_userName;
    QString m_property;
    InputMap m_inputs;
    QList<BlockItem *> m_fanout;
    QString m_caption;
};

// Blocks travel in signals (DesignModel) and queued connections.
Q_DECLARE_METATYPE(BlockItem *)
