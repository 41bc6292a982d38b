// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nimmsrcnt.h"

NIMMsrCnt::NIMMsrCnt(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::MeasureCounter)
{
    setTerm(name);
}


QPoint NIMMsrCnt::inputPoint(int port) const
{
    const QPoint topLeft = position();
    return {topLeft.x(), topLeft.y() + 16 * port + 6};
}
