// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class MainWindow;

// For scripts that drive the program with synthetic mouse events (the
// real-window scenario under Xvfb): when the environment variable
// KARIX_LAYOUT_FILE names a file, writes the screen positions of the current
// canvas's top-left corner and of the centre of every palette item to it,
// one "name x y" line each, in global pixels. The file is written again
// whenever the window moves or is resized: a window manager places and
// decorates the window only after it is shown. Nothing happens otherwise.
class LayoutReport : public QObject
{
public:
    static void watchIfRequested(MainWindow &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LayoutReport(MainWindow &window, const QString &path);
    void write() const;

    const MainWindow &m_window;
    const QString m_path;
};
