// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/userguide.h"

#include "dialogs/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>

#include <array>

namespace {

const char *const kIndexFile = "index.html";

// Indexed by UserGuide::Section; the names are the guide's <a name> anchors.
constexpr std::array<const char *, size_t(UserGuide::Section::Count)> kAnchors = {
    "contents",        "first-start",    "drawing",    "logic-editor",  "timer",
    "delay",           "measure-counter", "port-names", "sheets",        "design-check",
    "module",          "ethernet-setting", "hardware-setup", "rom-pages", "write-protect",
    "counters",        "recovery",       "command-line", "about",
};

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString UserGuide::anchor(Section section)
{
    return QString::fromLatin1(kAnchors.at(size_t(section)));
}

QUrl UserGuide::url(Section section)
{
    const QString index = QDir(folder()).filePath(QLatin1String(kIndexFile));
    if (!QFileInfo::exists(index))
        return {};
    QUrl page = QUrl::fromLocalFile(index);
    if (section != Section::Contents)
        page.setFragment(anchor(section));
    return page;
}

QString UserGuide::folder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = {programDir.filePath(QStringLiteral(KARIX_GUIDE_FROM_BIN)),
                                    programDir.filePath(QStringLiteral("guide"))};
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(QDir(candidate).filePath(QLatin1String(kIndexFile))))
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(candidates.constFirst());
}

void UserGuide::setFolder(const QString &folder)
{
    chosenFolder() = folder;
}

HelpWindow *UserGuide::show(QWidget *window, Section section)
{
    auto *help = window->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window);
    help->showPage(url(section), folder());
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

void UserGuide::bindHelpKey(QWidget *window, Section section)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [window, section] { show(window, section); });
}
