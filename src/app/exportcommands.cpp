// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportcommands.h"

#include "app/documentcontroller.h"
#include "app/mainwindow.h"
#include "app/sheettabs.h"
#include "dialogs/prompter.h"
#include "io/designdocument.h"
#include "model/sheetset.h"
#include "render/sheetexporter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

ExportCommands::ExportCommands(MainWindow &window) : QObject(&window), m_window(window)
{
}

QList<int> ExportCommands::allSheets() const
{
    QList<int> sheets;
    for (int sheet = 0; sheet < m_window.document().sheets().count(); ++sheet)
        sheets << sheet;
    return sheets;
}

void ExportCommands::exportSheet()
{
    exportSheets({m_window.sheetTabs().current()});
}

void ExportCommands::exportAllSheets()
{
    exportSheets(allSheets());
}

void ExportCommands::exportSheets(const QList<int> &sheets)
{
    const QString document = m_window.documentController().currentFileName();
    const QString start = document.isEmpty()
                              ? QString()
                              : QFileInfo(document).dir().filePath(QFileInfo(document).completeBaseName()
                                                                   + QStringLiteral(".pdf"));
    QString path = m_prompter->saveFileName(
        &m_window, tr("Export Sheets"), start,
        tr("PDF, one page per sheet (*.pdf);;SVG drawing (*.svg);;PNG picture (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const auto format = SheetExporter::formatOfFile(path);
    if (!format) {
        m_prompter->warning(&m_window, tr("KaRiX"),
                            tr("%1: export writes .pdf, .svg or .png files.").arg(path));
        return;
    }
    const SheetExporter::Result result =
        SheetExporter(m_window.document(), document).write(*format, sheets, path);
    if (!result.error.isEmpty())
        m_prompter->warning(&m_window, tr("KaRiX"), result.error);
}

void ExportCommands::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(m_window.documentController().currentFileName()).fileName());
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setWindowTitle(tr("Print Preview"));
    const SheetExporter exporter(m_window.document(), m_window.documentController().currentFileName());
    const QList<int> sheets = allSheets();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&exporter, &sheets](QPrinter *device) { exporter.paintPages(*device, sheets); });
    m_prompter->runDialog(preview);
}
