#include "model/nimfunction.h"

NIMFunction::NIMFunction(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, QStringLiteral("Function.png"))
{
    setTerm(name.startsWith(QLatin1String("DlyFnc")) ? QStringLiteral("DlyFnc")
                                                      : QStringLiteral("CntFnc"));
}
