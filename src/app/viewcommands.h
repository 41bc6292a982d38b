// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class ProgramWidget;
class SheetTabs;

// The View menu: one zoom for every sheet, stepped up and down (also by
// Ctrl+wheel on a sheet), back to 100 %, or fitted so that the current sheet
// shows whole. The zoom is remembered between sessions.
class ViewCommands : public QObject
{
    Q_OBJECT
public:
    // The tabs outlive this object; the stored zoom is applied at once.
    ViewCommands(SheetTabs &tabs, QObject *parent = nullptr);

    double zoom() const { return m_zoom; }

public slots:
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void fitSheet();
    void zoomBy(int steps);
    void setZoom(double zoom);
    // A canvas made after the zoom was set takes it and its Ctrl+wheel.
    void adopt(ProgramWidget *canvas);

private:
    SheetTabs &m_tabs;
    double m_zoom;
};
