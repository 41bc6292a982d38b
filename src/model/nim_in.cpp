#include "model/nim_in.h"

NIM_IN::NIM_IN(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, QStringLiteral("label-IN.png"))
{
    setTerm(QStringLiteral("Input"));
}

int NIM_IN::inputCount() const { return 0; }
