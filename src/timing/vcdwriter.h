// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/tracesink.h"

#include <QByteArray>
#include <QHash>
#include <QString>

class QIODevice;

// Streams the traces as a value change dump (IEEE 1364, times in ns): a
// one-bit variable per signal, written to the device in blocks as the run
// goes, so memory stays bounded whatever the duration. drivers names the
// design's block behind a signal (TraceSignals index → name) in the header
// comment; it may be empty, as for an image read from a module.
class VcdWriter : public TraceSink
{
public:
    // device must be open for writing and outlive the writer.
    VcdWriter(QIODevice *device, const QHash<int, QString> &drivers);
    ~VcdWriter() override;

    Watch watched() const override { return {~quint64(0), ~quint64(0)}; }
    void step(quint64 tick, quint64 levels, quint64 changed) override;
    // Writes the end time and everything buffered.
    void finish(quint64 endTick) override;
    // True once a write to the device failed.
    bool hasError() const { return m_failed; }

private:
    void writeHeader(const QHash<int, QString> &drivers);
    void writeTime(quint64 tick);
    void flush();
    static char code(int signal) { return char('!' + signal); }

    QIODevice *m_device;
    QByteArray m_buffer;
    quint64 m_lastTick = 0;
    bool m_failed = false;
};
