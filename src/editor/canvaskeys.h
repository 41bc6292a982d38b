// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BlockMover;
class ProgramWidget;

// The keys a canvas acts on: Delete removes the selection (or the current
// block), Up and Down move the selected blocks a row, Left and Right put a
// label's name on the other side of its picture.
class CanvasKeys
{
public:
    enum class Outcome {
        Ignored,  // not a canvas key
        Handled,  // acted on; the design changed only if it says so itself
        Changed,  // the blocks moved: the canvas reports a change
    };

    // Both belong to the canvas and outlive this object.
    CanvasKeys(ProgramWidget &canvas, BlockMover &mover);

    Outcome press(int key);

private:
    ProgramWidget &m_canvas;
    BlockMover &m_mover;
};
