// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/blockitem.h"

// A pre- or post-logic block: a Boolean expression (the `property`) over up to
// eleven inputs, ports 0..10 standing for the letters _A.._K.
class NIMLogic : public BlockItem
{
public:
    // Refuses (-1) a source that already feeds this block and ports above 10;
    // a negative port picks the lowest free one (-1 when all are used).
    int connectSource(int port, BlockItem *source) override;

    // Letter inputs lie 5 pixels apart from the image top + 3.
    virtual QPoint logicInputPoint(int port) const;
    // With `check`, a faulty expression is refused: `text` is replaced by the
    // error message, the property stays unchanged and false is returned.
    virtual bool setExpression(QString &text, bool check);

protected:
    NIMLogic(int id, int sheet, const QString &name, BlockKind kind);
    QPoint wireEndPoint(int port) const override;

private:
    int lowestFreePort() const;
    bool isFedBy(const BlockItem *source) const;
};
