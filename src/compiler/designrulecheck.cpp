// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/designrulecheck.h"

#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/counterparameters.h"
#include "model/designmodel.h"
#include "model/logicevaluator.h"
#include "model/measurecounterparameters.h"
#include "model/postlogic.h"
#include "model/prelogic.h"

#include <QDir>
#include <QMap>

namespace {

const QString WarningPrefix = QStringLiteral("warning: ");
const QString ErrorPrefix = QStringLiteral("error: ");

QString variableToken(int port)
{
    return QStringLiteral("_") + QChar(u'A' + port);
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
    check.checkNamesUnique(model);

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

// Wires are resolved by name when a document is read: a second block of the
// same name would take the first one's wires. Inputs may repeat on other
// sheets and references share the name of what they refer to.
void DesignRuleCheck::checkNamesUnique(const DesignModel &model)
{
    QMap<QString, int> counts;
    for (const BlockItem *block : model.allBlocks()) {
        const BlockKind kind = block->kind();
        if (kind != BlockKind::Input && !BlockKinds::isReference(kind))
            ++counts[block->name()];
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 1)
            addError(tr("%1: the name is given to %2 blocks.").arg(it.key()).arg(it.value()));
    }
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
                            && !CounterParameters::fromProperty(block->property()).takesInput();
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
    const auto parameters = MeasureCounterParameters::fromProperty(block->property());
    if (parameters.fileSave() && !QDir(parameters.path()).exists())
        addError(tr("%1: Save path does not exist.").arg(name));
    checkCounterInput(block, name, 0, parameters.usesGateInput(), QStringLiteral("GATE"));
    checkCounterInput(block, name, 1, parameters.usesSourceInput(), QStringLiteral("SRC"));
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
