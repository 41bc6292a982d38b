// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layoutreport.h"

#include "app/mainwindow.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"

#include <QEvent>
#include <QLabel>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

namespace {

const char *const kPaletteKinds[] = {"Input", "PreLogic", "CntFnc", "DlyFnc", "NonFnc", "PostLogic",
                                     "MsrCnt", "NIM-OUT", "FeedBack", "Label"};

void writePoint(QTextStream &out, const QString &name, const QPoint &point)
{
    out << name << ' ' << point.x() << ' ' << point.y() << '\n';
}

} // namespace

void LayoutReport::watchIfRequested(MainWindow &window)
{
    const QString path = qEnvironmentVariable("KARIX_LAYOUT_FILE");
    if (!path.isEmpty())
        window.installEventFilter(new LayoutReport(window, path));
}

LayoutReport::LayoutReport(MainWindow &window, const QString &path)
    : QObject(&window), m_window(window), m_path(path)
{
}

bool LayoutReport::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)
        // After the event, when the children have their new geometry.
        QTimer::singleShot(0, this, &LayoutReport::write);
    return false;
}

void LayoutReport::write() const
{
    ProgramWidget *canvas = m_window.currentCanvas();
    if (!canvas)
        return;
    // Written whole or not at all: the script waits for the file to appear.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    writePoint(out, QStringLiteral("canvas"), canvas->mapToGlobal(QPoint(0, 0)));
    for (const char *kind : kPaletteKinds) {
        const QString name = QString::fromLatin1(kind);
        if (const QLabel *item = m_window.palette()->itemLabel(name))
            writePoint(out, QStringLiteral("palette.") + name,
                       item->mapToGlobal(item->rect().center()));
    }
    out.flush();
    file.commit();
}
