#include "app/layoutreport.h"

#include "app/mainwindow.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"

#include <QLabel>
#include <QSaveFile>
#include <QTextStream>

namespace {

const char *const kPaletteKinds[] = {"Input", "PreLogic", "CntFnc", "DlyFnc", "NonFnc", "PostLogic",
                                     "MsrCnt", "NIM-OUT", "FeedBack", "Label"};

void writePoint(QTextStream &out, const QString &name, const QPoint &point)
{
    out << name << ' ' << point.x() << ' ' << point.y() << '\n';
}

} // namespace

void LayoutReport::writeIfRequested(const MainWindow &window)
{
    const QString path = qEnvironmentVariable("KARIX_LAYOUT_FILE");
    ProgramWidget *canvas = window.currentCanvas();
    if (path.isEmpty() || !canvas)
        return;
    // Written whole or not at all: the script waits for the file to appear.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    writePoint(out, QStringLiteral("canvas"), canvas->mapToGlobal(QPoint(0, 0)));
    for (const char *kind : kPaletteKinds) {
        const QString name = QString::fromLatin1(kind);
        if (const QLabel *item = window.palette()->itemLabel(name))
            writePoint(out, QStringLiteral("palette.") + name,
                       item->mapToGlobal(item->rect().center()));
    }
    out.flush();
    file.commit();
}
