// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockmenu.h"

#include "editor/blockediting.h"
#include "editor/blockhost.h"
#include "model/blockitem.h"

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QMenu>

namespace {

struct Entry
{
    const char *text; // in the context "BlockMenu"
    const char *icon;
    bool (*shownFor)(const BlockKindTraits &traits);
    void (*run)(BlockHost &host, BlockItem *block);
};

bool always(const BlockKindTraits &)
{
    return true;
}

const Entry kEntries[] = {
    {QT_TRANSLATE_NOOP("BlockMenu", "&Edit"), ":/KaRiX_icon/KaRiX_Edit.png",
     [](const BlockKindTraits &traits) { return traits.hasEditor(); },
     [](BlockHost &host, BlockItem *block) { BlockEditing::open(host, block); }},
    {QT_TRANSLATE_NOOP("BlockMenu", "Cu&t"), ":/KaRiX_icon/KaRiX_Cut.png", always,
     [](BlockHost &host, BlockItem *) { host.cutSelection(); }},
    {QT_TRANSLATE_NOOP("BlockMenu", "&Copy"), ":/KaRiX_icon/KaRiX_copy.png", always,
     [](BlockHost &host, BlockItem *) { host.copySelection(); }},
    {QT_TRANSLATE_NOOP("BlockMenu", "&Delete"), ":/images/delbutton.png", always,
     [](BlockHost &host, BlockItem *block) { host.deleteBlock(block); }},
    {QT_TRANSLATE_NOOP("BlockMenu", "&Rename"), ":/KaRiX_icon/KaRiX_rename2.png",
     [](const BlockKindTraits &traits) { return traits.renamable; },
     [](BlockHost &host, BlockItem *block) { host.renameBlock(block); }},
};

// Menus are built at every right click: each icon file is read once.
QIcon sharedIcon(const char *path)
{
    static QHash<const char *, QIcon> icons;
    auto found = icons.constFind(path);
    if (found == icons.constEnd())
        found = icons.insert(path, QIcon(QString::fromLatin1(path)));
    return *found;
}

} // namespace

QMenu *BlockMenu::create(BlockHost &host, BlockItem *block)
{
    // A child of the canvas: it cannot outlive it.
    auto *menu = new QMenu(host.dialogParent());
    for (const Entry &entry : kEntries) {
        if (!entry.shownFor(block->traits()))
            continue;
        QAction *action = menu->addAction(sharedIcon(entry.icon),
                                          QCoreApplication::translate("BlockMenu", entry.text));
        QObject::connect(action, &QAction::triggered, menu,
                         [&host, block, run = entry.run] { run(host, block); });
    }
    return menu;
}
