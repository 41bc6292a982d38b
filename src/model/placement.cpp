#include "model/placement.h"

namespace {

// A prefix rule matches longer terms only; the bare word has its own rule.
bool extends(const QString &term, const QLatin1String &prefix)
{
    return term.startsWith(prefix) && term.size() > prefix.size();
}

PlacementRule rule(SheetColumn column, int x, int pitch, int offset)
{
    return PlacementRule{column, x, pitch, offset};
}

PlacementRule exactTermRule(const QString &term)
{
    if (term == QLatin1String("Input"))
        return rule(SheetColumn::Input, 0, 40, 104);
    if (term == QLatin1String("PreLogic"))
        return rule(SheetColumn::PreLogic, 142, 68, 90);
    if (term == QLatin1String("PreLabel"))
        return rule(SheetColumn::Function, 284, 40, 106);
    if (term == QLatin1String("CntFnc") || term == QLatin1String("DlyFnc"))
        return rule(SheetColumn::Function, 284, 40, 104);
    if (term == QLatin1String("NonFnc"))
        return rule(SheetColumn::Function, 284, 40, 116);
    if (term == QLatin1String("PostLogic"))
        return rule(SheetColumn::PostLogic, 425, 68, 90);
    if (term == QLatin1String("Label"))
        return rule(SheetColumn::PostLogic, 425, 68, 106);
    if (term == QLatin1String("FeedBack"))
        return rule(SheetColumn::Output, 567, 40, 104);
    return PlacementRule();
}

PlacementRule prefixRule(const QString &term)
{
    if (extends(term, QLatin1String("FeedBack")) || extends(term, QLatin1String("PreLabel")))
        return rule(SheetColumn::PreLogic, 142, 68, 106);
    if (extends(term, QLatin1String("Label")))
        return rule(SheetColumn::Function, 284, 40, 106);
    if (term.startsWith(QLatin1String("NIM-OUT")))
        return rule(SheetColumn::Output, 567, 40, 104);
    if (term.startsWith(QLatin1String("MsrCnt")))
        return rule(SheetColumn::Output, 567, 40, 106);
    return PlacementRule();
}

} // namespace

PlacementRule Placement::forTerm(const QString &term)
{
    const PlacementRule exact = exactTermRule(term);
    return exact.isPlaceable() ? exact : prefixRule(term);
}

bool Placement::isUsableRow(int pitch, int row)
{
    return row >= 0 && pitch > 0 && pitch * row <= lastRowTop;
}
