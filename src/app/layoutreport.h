#pragma once

class MainWindow;

// For scripts that drive the program with synthetic mouse events (the
// real-window scenario under Xvfb): when the environment variable
// KARIX_LAYOUT_FILE names a file, writes the screen positions of the current
// canvas's top-left corner and of the centre of every palette item to it,
// one "name x y" line each, in global pixels. Nothing happens otherwise.
class LayoutReport
{
public:
    static void writeIfRequested(const MainWindow &window);
};
