#include "model/nimlabel.h"

NIMLabel::NIMLabel(int id, int sheet, const QString &name)
    : BlockItem(id, sheet, name, QStringLiteral("Label.png"))
{
    // A reference is dragged in under its key: the feedback name, or "Pre"
    // and the label name.
    setTerm(name.startsWith(QLatin1String("FeedBack")) ? name : QStringLiteral("Pre") + name);
}
