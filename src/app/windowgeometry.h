// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// Where the main window opens: where it was left in the last session, or,
// at the first start, as large as wanted and as the screen allows. The
// place is kept in the settings.
class WindowGeometry
{
public:
    // firstStartSize: the size wanted when no place is stored.
    static void restore(QWidget &window, const QSize &firstStartSize);
    static void save(const QWidget &window);
};
