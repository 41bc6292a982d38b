// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulationtarget.h"

#include "compiler/imagecapture.h"
#include "compiler/registerimage.h"
#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/designmodel.h"
#include "timing/heximagereader.h"
#include "timing/timingimage.h"
#include "timing/tracesignals.h"

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
    for (const BlockItem *input : model.inputBlocks()) {
        const int connector = InputNames::connectors().indexOf(input->name());
        if (connector < 0)
            continue;
        m_names.addAlias(input->displayName(), connector);
        m_drivers.insert(TraceSignals::FirstInput + connector, input->displayName());
    }
    RegisterImage units;
    units.assignUnits(model);
    for (int unit = 0; unit < RegisterImage::UnitCount; ++unit) {
        if (units.unit(unit))
            m_drivers.insert(TraceSignals::FirstUnit + unit, units.unit(unit)->displayName());
    }
    for (const BlockItem *output : model.outputBlocks()) {
        const int resource = BlockKinds::resourceUnit(*output);
        if (output->kind() == BlockKind::Output && output->source(0))
            m_drivers.insert(TraceSignals::FirstOutput + resource,
                             output->source(0)->displayName());
        if (output->kind() != BlockKind::MeasureCounter)
            continue;
        for (int port = 0; port < 2; ++port) {
            const BlockItem *source = output->source(port);
            if (source)
                m_drivers.insert(TraceSignals::FirstCounterInput + 2 * resource + port,
                                 source->displayName());
        }
    }
}
