// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The gesture a canvas is in, from a left press on it to the release.
enum class CanvasGesture {
    Idle,
    Selecting,   // rubber band from the press point
    DrawingWire, // from a block's output point
    Moving,      // the current block or the selection
};
