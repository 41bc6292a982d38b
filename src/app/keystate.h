// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qnamespace.h>

// Which keys the user is holding, as the main window tracks them. Tab
// decides whether reaching the "+" tab cycles or creates a sheet; Delete, Up
// and Down go to the current canvas wherever the focus is, once per press
// (auto-repeat does not reach the canvas).
struct KeyState
{
    bool deleteHeld = false;
    bool tab = false;
    bool up = false;
    bool down = false;

    static bool isCanvasKey(int key)
    {
        return key == Qt::Key_Delete || key == Qt::Key_Up || key == Qt::Key_Down;
    }

    // The flag of a tracked key, or null for any other key.
    bool *flagFor(int key)
    {
        switch (key) {
        case Qt::Key_Delete: return &deleteHeld;
        case Qt::Key_Tab: return &tab;
        case Qt::Key_Up: return &up;
        case Qt::Key_Down: return &down;
        default: return nullptr;
        }
    }
};
