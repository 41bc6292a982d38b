// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/inputnames.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>

class DesignModel;

// What "simulate" runs: a register image, from a design compiled here, a
// "compile --hex" dump or the raw 8292 bytes, with the names a design gives
// the inputs and the blocks behind the traced signals.
class SimulationTarget
{
    Q_DECLARE_TR_FUNCTIONS(SimulationTarget)

public:
    enum class Format { Design, HexDump, RawImage };

    // The format of a file by its name and first bytes.
    static Format formatOf(const QString &path, const QByteArray &head);
    // False with a message when the dump or raw image is unusable.
    bool readImage(const QByteArray &contents, Format format, QString &error);
    // Compiles the design; an expression error is thrown as a QString.
    void compile(const DesignModel &model);

    const QByteArray &image() const { return m_image; }
    const InputNames &inputNames() const { return m_names; }
    // TraceSignals index → the design's block name.
    const QHash<int, QString> &drivers() const { return m_drivers; }

private:
    void nameSignals(const DesignModel &model);

    QByteArray m_image;
    InputNames m_names;
    QHash<int, QString> m_drivers;
};
