// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowgeometry.h"

#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

namespace {

const char kGeometryGroup[] = "mainwindow";
const char kGeometryKey[] = "geometry";

void openAtFirstStartSize(QWidget &window, const QSize &wanted)
{
    // As much of the wanted size as the screen has.
    QRect available(0, 0, 950, 690);
    if (const QScreen *shown = window.screen())
        available = shown->availableGeometry();
    window.resize(wanted.boundedTo(available.size() - QSize(20, 60)));
    window.move(available.topLeft() + QPoint(10, 10));
}

} // namespace

void WindowGeometry::restore(QWidget &window, const QSize &firstStartSize)
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGeometryGroup));
    const QVariant value = settings.value(QLatin1String(kGeometryKey));
    settings.endGroup();
    if (!value.isValid()) {
        openAtFirstStartSize(window, firstStartSize);
        return;
    }
    const QRect stored = value.toRect();
    // The stored rectangle is the client area; the frame sits 9 px left of
    // and 36 px above it on the decoration this was made for.
    window.move(stored.x() - 9, stored.y() - 36);
    window.resize(stored.size());
}

void WindowGeometry::save(const QWidget &window)
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGeometryGroup));
    settings.setValue(QLatin1String(kGeometryKey), window.geometry());
    settings.endGroup();
}
