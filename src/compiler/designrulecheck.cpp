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
    const QList<Finding> found = findings(model);
    report.clear();
    int errors = 0;
    for (const Finding &finding : found) {
        report += finding.line + QLatin1Char('\n');
        errors += finding.error ? 1 : 0;
    }
    if (report.isEmpty()) {
        report = noErrorText();
        return 0;
    }
    return errors > 0 ? errors : -1;
}

QString DesignRuleCheck::noErrorText()
{
    return tr("No error detected.");
}

QList<DesignRuleCheck::Finding> DesignRuleCheck::findings(const DesignModel &model)
{
    DesignRuleCheck check;
    check.checkModel(model);
    return check.m_errors + check.m_warnings;
}

void DesignRuleCheck::checkModel(const DesignModel &model)
{
    for (const BlockItem *block : model.preLogics())
        checkLogic(block);
    for (const BlockItem *block : model.functionBlocks())
        checkFunction(block);
    for (const BlockItem *block : model.postLogics())
        checkLogic(block);
    for (const BlockItem *block : model.outputBlocks())
        checkOutput(block);
    for (const BlockItem *block : model.labelBlocks())
        checkOutportUsed(block);
    checkNamesUnique(model);
}

void DesignRuleCheck::addError(const BlockItem *block, const QString &line)
{
    m_errors.append({true, ErrorPrefix + line, block});
}

void DesignRuleCheck::addWarning(const BlockItem *block, const QString &line)
{
    m_warnings.append({false, WarningPrefix + line, block});
}

// Wires are resolved by name when a document is read: a second block of the
// same name would take the first one's wires. Inputs may repeat on other
// sheets and references share the name of what they refer to.
void DesignRuleCheck::checkNamesUnique(const DesignModel &model)
{
    QMap<QString, QList<const BlockItem *>> named;
    for (const BlockItem *block : model.allBlocks()) {
        const BlockKind kind = block->kind();
        if (kind != BlockKind::Input && !BlockKinds::isReference(kind))
            named[block->name()] << block;
    }
    // The entry leads to the second block, the one that would take the
    // first one's wires.
    for (auto it = named.cbegin(); it != named.cend(); ++it) {
        if (it->size() > 1)
            addError(it->at(1),
                     tr("%1: the name is given to %2 blocks.").arg(it.key()).arg(it->size()));
    }
}

void DesignRuleCheck::checkOutportUsed(const BlockItem *block)
{
    if (block->fanout().isEmpty())
        addWarning(block, tr("%1: Outport is not connected.").arg(block->displayName()));
}

void DesignRuleCheck::checkLogic(const BlockItem *block)
{
    if (!BlockKinds::isLogic(block->kind()))
        return;
    checkOutportUsed(block);
    const QString name = block->displayName();
    const QString expression = block->property();
    if (expression.isEmpty()) {
        addError(block, tr("%1 is unconfigured.").arg(name));
        return;
    }
    for (int port = 0; port < LogicEvaluator::InputCount; ++port) {
        const QString token = variableToken(port);
        const bool used = expression.contains(token);
        const bool connected = block->source(port) != nullptr;
        if (!used && connected)
            addWarning(block, tr("%1: %2 is connected, but not used.").arg(name, token));
        else if (used && !connected)
            addError(block, tr("%1: %2 is not connected.").arg(name, token));
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
            addWarning(block,
                       tr("%1: InputPort is connected, but not used.").arg(block->displayName()));
    } else if (!connected) {
        addError(block, tr("%1: InputPort is not connected.").arg(block->displayName()));
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
    addError(block, tr("%1: InputPort is not connected.").arg(label));
}

void DesignRuleCheck::checkMeasureCounter(const BlockItem *block)
{
    const QString name = block->displayName().trimmed();
    const auto parameters = MeasureCounterParameters::fromProperty(block->property());
    if (parameters.fileSave() && !QDir(parameters.path()).exists())
        addError(block, tr("%1: Save path does not exist.").arg(name));
    checkCounterInput(block, name, 0, parameters.usesGateInput(), QStringLiteral("GATE"));
    checkCounterInput(block, name, 1, parameters.usesSourceInput(), QStringLiteral("SRC"));
}

void DesignRuleCheck::checkCounterInput(const BlockItem *block, const QString &name, int port,
                                        bool used, const QString &input)
{
    const bool connected = block->source(port) != nullptr;
    if (used && !connected)
        addError(block, tr("%1: %2 is not connected.").arg(name, input));
    else if (!used && connected)
        addWarning(block, tr("%1: %2 is connected, but not used.").arg(name, input));
}
