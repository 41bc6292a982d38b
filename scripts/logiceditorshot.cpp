// SPDX-License-Identifier: GPL-3.0-or-later
// karix-logicshot DESIGN.krx BLOCK OUT.png: opens the logic editor on one
// logic block of a design, offscreen, with its inputs shown by name, and
// writes the dialog to a PNG file (the README picture).
#include "dialogs/editlogicdialog.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "model/blockitem.h"
#include "model/designmodel.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: karix-logicshot DESIGN.krx BLOCK OUT.png\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    DesignDocument document;
    if (!file.open(QIODevice::ReadOnly) || !DocumentReader(document.context()).read(file.readAll()).ok) {
        std::fprintf(stderr, "%s: cannot read the design\n", argv[1]);
        return 1;
    }
    const BlockItem *block = document.model().findBlock(QString::fromLocal8Bit(argv[2]));
    if (!block || block->inputCount() < 2) {
        std::fprintf(stderr, "%s: no logic block of that name\n", argv[2]);
        return 1;
    }
    EditLogicDialog dialog(block);
    dialog.findChild<QRadioButton *>(QStringLiteral("radioButtonNet"))->setChecked(true);
    dialog.show();
    QCoreApplication::processEvents();
    return dialog.grab().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
