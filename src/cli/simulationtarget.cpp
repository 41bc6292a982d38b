// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulationtarget.h"

#include "compiler/imagecapture.h"
#include "timing/signalblocks.h"
#include "timing/heximagereader.h"
#include "timing/timingimage.h"

SimulationTarget::Format SimulationTarget::formatOf(const QString &path, const QByteArray &head)
{
    if (path.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive) || HexImageReader::looksLikeDump(head))
        return Format::HexDump;
    if (path.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        return Format::RawImage;
    return Format::Design;
}

bool SimulationTarget::readImage(const QByteArray &contents, Format format, QString &error)
{
    if (format == Format::HexDump) {
        m_image = HexImageReader::read(contents, error);
        return !m_image.isEmpty();
    }
    if (contents.size() != TimingImage::Size) {
        error = tr("A register image has %1 bytes, this file %2.")
                    .arg(TimingImage::Size)
                    .arg(contents.size());
        return false;
    }
    m_image = contents;
    return true;
}

void SimulationTarget::compile(const DesignModel &model)
{
    m_image = ImageCapture::compile(model);
    nameSignals(model);
}

void SimulationTarget::nameSignals(const DesignModel &model)
{
    const SignalBlocks blocks(model);
    m_names = blocks.inputNames();
    m_drivers = blocks.drivers();
}
