#pragma once

// The gesture a canvas is in. A drag started on the canvas carries its
// gesture in the payload key, so the state follows the drag: it is set while
// the canvas's own drag moves over it and back to Idle when the drag ends.
enum class CanvasGesture {
    Idle,
    Selecting,   // rubber band from the press point
    DrawingWire, // from a block's output point
    Moving,      // the current block or the selection
};
