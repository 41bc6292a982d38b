#include "compiler/designrulecheck.h"

#include "compiler/registerimage.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/postlogic.h"
#include "model/prelogic.h"

#include <QDir>

namespace {

const QString WarningPrefix = QStringLiteral("warning: ");
const QString ErrorPrefix = QStringLiteral("error: ");

QString variableToken(int port)
{
    return QStringLiteral("_") + QChar(u'A' + port);
}

bool loggingEnabled(const BlockItem *counter)
{
    const QString fileSave = counter->propertyValue(QStringLiteral("FileSave"));
    return fileSave != QLatin1String("0") && fileSave != QLatin1String("false");
}

} // namespace

int DesignRuleCheck::checkDesign(const DesignModel &model, QString &report)
{
    DesignRuleCheck check;
    for (const BlockItem *block : model.preLogics())
        check.checkLogic(block);
    for (const BlockItem *block : model.functionBlocks())
        check.checkFunction(block);
    for (const BlockItem *block : model.postLogics())
        check.checkLogic(block);
    for (const BlockItem *block : model.outputBlocks())
        check.checkOutput(block);
    for (const BlockItem *block : model.labelBlocks())
        check.checkOutportUsed(block);

    report = check.m_errors + check.m_warnings;
    if (report.isEmpty()) {
        report = tr("No error detected.");
        return 0;
    }
    return check.m_errorCount > 0 ? check.m_errorCount : -1;
}

void DesignRuleCheck::addError(const QString &line)
{
    m_errors += ErrorPrefix + line + QLatin1Char('\n');
    ++m_errorCount;
}

void DesignRuleCheck::addWarning(const QString &line)
{
    m_warnings += WarningPrefix + line + QLatin1Char('\n');
}

void DesignRuleCheck::checkOutportUsed(const BlockItem *block)
{
    if (block->fanout().isEmpty())
        addWarning(tr("%1: Outport is not connected.").arg(block->displayName()));
}

void DesignRuleCheck::checkLogic(const BlockItem *block)
{
    if (!BlockKinds::isLogic(block->kind()))
        return;
    checkOutportUsed(block);
    const QString name = block->displayName();
    const QString expression = block->property();
    if (expression.isEmpty()) {
        addError(tr("%1 is unconfigured.").arg(name));
        return;
    }
    for (int port = 0; port < LogicEvaluator::InputCount; ++port) {
        const QString token = variableToken(port);
        const bool used = expression.contains(token);
        const bool connected = block->source(port) != nullptr;
        if (!used && connected)
            addWarning(tr("%1: %2 is connected, but not used.").arg(name, token));
        else if (used && !connected)
            addError(tr("%1: %2 is not connected.").arg(name, token));
    }
}

void DesignRuleCheck::checkFunction(const BlockItem *block)
{
    checkOutportUsed(block);
    const bool connected = block->source(0) != nullptr;
    const bool oscillator = block->kind() == BlockKind::CounterFunction
                            && RegisterImage::modeOf(block) == 9;
    if (oscillator) {
        // An oscillator generates its own signal and takes no input.
        if (connected)
            addWarning(tr("%1: InputPort is connected, but not used.").arg(block->displayName()));
    } else if (!connected) {
        addError(tr("%1: InputPort is not connected.").arg(block->displayName()));
    }
}

void DesignRuleCheck::checkOutput(const BlockItem *block)
{
    if (block->kind() == BlockKind::MeasureCounter) {
        checkMeasureCounter(block);
        return;
    }
    if (block->source(0))
        return;
    // Outputs are reported by their resource even when the user named them.
    const QString label = block->kind() == BlockKind::Output ? block->term() : block->displayName();
    addError(tr("%1: InputPort is not connected.").arg(label));
}

void DesignRuleCheck::checkMeasureCounter(const BlockItem *block)
{
    const QString name = block->displayName().trimmed();
    if (!block->property().isEmpty() && loggingEnabled(block)) {
        if (!QDir(block->propertyValue(QStringLiteral("PATH"))).exists())
            addError(tr("%1: Save path does not exist.").arg(name));
    }
    const int mode = RegisterImage::modeOf(block) & 0xff;
    checkCounterInput(block, name, 0, mode & 3, QStringLiteral("GATE"));
    checkCounterInput(block, name, 1, mode & 12, QStringLiteral("SRC"));
}

void DesignRuleCheck::checkCounterInput(const BlockItem *block, const QString &name, int port,
                                        bool used, const QString &input)
{
    const bool connected = block->source(port) != nullptr;
    if (used && !connected)
        addError(tr("%1: %2 is not connected.").arg(name, input));
    else if (!used && connected)
        addWarning(tr("%1: %2 is connected, but not used.").arg(name, input));
}
