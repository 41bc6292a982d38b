#include "editor/nimaction.h"

#include <QHash>
#include <QIcon>

namespace {
// Every placed block gets a handful of these actions: reading the icon file
// once per path, not once per action, keeps undo and opening fast.
QIcon sharedIcon(const QString &path)
{
    static QHash<QString, QIcon> icons;
    auto found = icons.constFind(path);
    if (found == icons.constEnd())
        found = icons.insert(path, QIcon(path));
    return *found;
}
} // namespace

NIMAction::NIMAction(const QString &text, const QString &iconPath, BlockItem *block,
                     ProgramWidget *canvas, QObject *parent)
    : QAction(sharedIcon(iconPath), text, parent), m_block(block), m_canvas(canvas)
{
}
