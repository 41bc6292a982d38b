// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/viewcommands.h"

#include "app/sheettabs.h"
#include "editor/canvasview.h"
#include "editor/programwidget.h"

#include <QSettings>

namespace {

const char kZoomKey[] = "mainwindow/zoom";

} // namespace

ViewCommands::ViewCommands(SheetTabs &tabs, QObject *parent)
    : QObject(parent), m_tabs(tabs), m_zoom(QSettings().value(QLatin1String(kZoomKey), 1.0).toDouble())
{
    m_zoom = qBound(CanvasView::minZoom, m_zoom, CanvasView::maxZoom);
}

void ViewCommands::zoomIn()
{
    zoomBy(1);
}

void ViewCommands::zoomOut()
{
    zoomBy(-1);
}

void ViewCommands::resetZoom()
{
    setZoom(1.0);
}

void ViewCommands::zoomBy(int steps)
{
    setZoom(CanvasView::steppedZoom(m_zoom, steps));
}

void ViewCommands::fitSheet()
{
    ProgramWidget *canvas = m_tabs.currentCanvas();
    // The canvas sits in its scroll area's viewport, which is what shows.
    if (canvas && canvas->parentWidget())
        setZoom(CanvasView::fittingZoom(ProgramWidget::sheetSize(), canvas->parentWidget()->size()));
}

void ViewCommands::setZoom(double zoom)
{
    m_zoom = qBound(CanvasView::minZoom, zoom, CanvasView::maxZoom);
    QSettings().setValue(QLatin1String(kZoomKey), m_zoom);
    // Sheets not shown yet take the zoom when they are made.
    for (int index = 0; index < m_tabs.count(); ++index) {
        if (ProgramWidget *canvas = m_tabs.existingCanvas(index))
            canvas->setZoom(m_zoom);
    }
}

void ViewCommands::adopt(ProgramWidget *canvas)
{
    canvas->setZoom(m_zoom);
    connect(canvas, &ProgramWidget::zoomStepRequested, this, &ViewCommands::zoomBy);
}
