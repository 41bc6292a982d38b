#include "model/nimmsrcnt.h"

NIMMsrCnt::NIMMsrCnt(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, QStringLiteral("MsrCnt3.png"))
{
    setTerm(name);
}

int NIMMsrCnt::inputCount() const { return 2; }

QPoint NIMMsrCnt::inputPoint(int port) const
{
    const QPoint topLeft = position();
    return {topLeft.x(), topLeft.y() + 16 * port + 6};
}
