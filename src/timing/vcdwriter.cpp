// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcdwriter.h"

#include "timing/simtime.h"
#include "timing/tracesignals.h"

#include <QIODevice>

namespace {

constexpr int FlushSize = 1 << 16;

} // namespace

VcdWriter::VcdWriter(QIODevice *device, const QHash<int, QString> &drivers)
    : m_device(device)
{
    m_buffer.reserve(FlushSize + 4096);
    writeHeader(drivers);
}

VcdWriter::~VcdWriter()
{
    flush();
}

void VcdWriter::writeHeader(const QHash<int, QString> &drivers)
{
    QString header = QStringLiteral("$comment\n  KaRiX timing simulation of a register image "
                                    "(5 ns clock ticks).\n");
    for (int signal = 0; signal < TraceSignals::Count; ++signal) {
        if (drivers.contains(signal))
            header += QStringLiteral("  %1: %2\n").arg(TraceSignals::name(signal),
                                                       drivers.value(signal));
    }
    header += QStringLiteral("$end\n$timescale 1ns $end\n$scope module karix $end\n");
    for (int signal = 0; signal < TraceSignals::Count; ++signal) {
        header += QStringLiteral("$var wire 1 %1 %2 $end\n")
                      .arg(QLatin1Char(code(signal)))
                      .arg(TraceSignals::name(signal));
    }
    header += QStringLiteral("$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n");
    for (int signal = 0; signal < TraceSignals::Count; ++signal)
        header += QStringLiteral("0%1\n").arg(QLatin1Char(code(signal)));
    m_buffer += header.toUtf8() + "$end\n";
}

void VcdWriter::step(quint64 tick, quint64 levels, quint64 changed)
{
    writeTime(tick);
    for (; changed; changed &= changed - 1) {
        const int signal = __builtin_ctzll(changed);
        m_buffer += TraceSignals::level(levels, signal) ? '1' : '0';
        m_buffer += code(signal);
        m_buffer += '\n';
    }
    if (m_buffer.size() >= FlushSize)
        flush();
}

void VcdWriter::writeTime(quint64 tick)
{
    if (tick == m_lastTick)
        return;
    m_lastTick = tick;
    m_buffer += '#';
    m_buffer += QByteArray::number(SimTime::nanoseconds(tick));
    m_buffer += '\n';
}

void VcdWriter::finish(quint64 endTick)
{
    writeTime(endTick);
    flush();
}

void VcdWriter::flush()
{
    if (!m_failed && !m_buffer.isEmpty())
        m_failed = m_device->write(m_buffer) != m_buffer.size();
    m_buffer.clear();
}
