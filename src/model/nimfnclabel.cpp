#include "model/nimfnclabel.h"

NIMFncLabel::NIMFncLabel(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, BlockKind::LabelReference)
{
    setTerm(name);
}
