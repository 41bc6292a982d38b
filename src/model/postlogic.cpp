#include "model/postlogic.h"

PostLogic::PostLogic(int id, int sheet, const QString &name)
    : NIMLogic(id, sheet, name, QStringLiteral("PstLgc.png"))
{
    setTerm(QStringLiteral("PostLogic"));
}
