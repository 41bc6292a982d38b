#include "mainwindow.h"

MainWindow::MainWindow(const QString &fileName, const ConnectionSettings *options,
                       QWidget *parent)
    : QMainWindow(parent)
{
    Q_UNUSED(fileName);
    Q_UNUSED(options);
    setWindowTitle(tr("%1[*] - %2").arg(tr("NewFile"), tr("KaRiX")));
}
