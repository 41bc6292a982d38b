#include "counterassignment.h"

#include "model/blockitem.h"
#include "model/designmodel.h"

namespace {
const QString measureCounterTerm = QStringLiteral("MsrCnt");
constexpr int eventCountingBit = 0x08;
}

CounterConfig CounterAssignment::withoutDesign()
{
    CounterConfig config;
    for (int n = 0; n < CounterConfig::counterCount; ++n)
        config.names[size_t(n)] = measureCounterTerm + QString::number(n);
    return config;
}

bool CounterAssignment::isLoggingOn(const QString &fileSave)
{
    return fileSave != QLatin1String("0") && fileSave != QLatin1String("false");
}

CounterConfig CounterAssignment::fromDesign(const DesignModel &model)
{
    CounterConfig config;
    for (const BlockItem *block : model.outputBlocks()) {
        const int n = BlockKinds::resourceUnit(*block);
        if (block->kind() != BlockKind::MeasureCounter || n < 0 || n >= CounterConfig::counterCount)
            continue;
        const auto index = size_t(n);
        const int mode = block->propertyValue(QStringLiteral("Mode")).toInt();
        config.sources[index] = mode & 0x0F;
        config.names[index] = block->displayName();
        const bool hasProperty = !block->property().isEmpty();
        if (hasProperty && isLoggingOn(block->propertyValue(QStringLiteral("FileSave"))))
            config.dirs[index] = block->propertyValue(QStringLiteral("PATH"));
        if (!(mode & eventCountingBit)) {
            const QString unit = block->propertyValue(QStringLiteral("Unit"));
            config.units[index] = unit.isEmpty() ? QStringLiteral("nsec") : unit;
        }
    }
    return config;
}
