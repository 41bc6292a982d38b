// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimlogic.h"

#include "model/logicevaluator.h"
#include "model/operationerror.h"

NIMLogic::NIMLogic(int id, int sheet, const QString &name, BlockKind kind)
    : BlockItem(id, sheet, name, kind)
{
}

int NIMLogic::connectSource(int port, BlockItem *source)
{
    if (!source || isFedBy(source))
        return -1;
    if (port < 0)
        port = lowestFreePort();
    return port < 0 ? -1 : BlockItem::connectSource(port, source);
}


QPoint NIMLogic::logicInputPoint(int port) const
{
    const QPoint topLeft = position();
    return {topLeft.x(), topLeft.y() + 5 * port + 3};
}

bool NIMLogic::setExpression(QString &text, bool check)
{
    if (check) {
        // The values do not matter: only the syntax can fail.
        try {
            LogicEvaluator::evaluateExpression(text, LogicEvaluator::Values{});
        } catch (const OperationError &failure) {
            const QString &message = failure.message();
            text = message;
            return false;
        }
    }
    return setProperty(text);
}

QPoint NIMLogic::wireEndPoint(int port) const
{
    return logicInputPoint(port);
}

int NIMLogic::lowestFreePort() const
{
    for (int port = 0; port < inputCount(); ++port) {
        if (!source(port))
            return port;
    }
    return -1;
}

bool NIMLogic::isFedBy(const BlockItem *source) const
{
    for (const BlockItem *present : inputs()) {
        if (present == source)
            return true;
    }
    return false;
}
