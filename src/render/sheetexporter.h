// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class DesignDocument;
class QPagedPaintDevice;

// Writes sheets of a design as PNG pictures, SVG drawings or one PDF page
// per sheet, painted by the SheetPainter the canvas uses; also paints the
// pages of a printer. Needs a QGuiApplication (fonts), not a display.
class SheetExporter
{
    Q_DECLARE_TR_FUNCTIONS(SheetExporter)
public:
    enum class Format { Png, Svg, Pdf };

    struct Result
    {
        QStringList files; // written, in sheet order
        QString error;     // empty on success
    };

    // "png", "svg" or "pdf", any case.
    static std::optional<Format> formatNamed(const QString &word);
    // The format a file name's suffix names.
    static std::optional<Format> formatOfFile(const QString &path);

    // document: not owned. documentName: the file name shown in the PDF and
    // print title lines; empty for a design not saved yet.
    SheetExporter(DesignDocument &document, const QString &documentName);

    // sheets: indices, in output order. PDF: one page per sheet in `path`.
    // PNG and SVG: one file per sheet, `path` itself for one sheet, else
    // "base-N.ext" with N the sheet's number counted from 1.
    Result write(Format format, const QList<int> &sheets, const QString &path) const;
    // One page per sheet with a title line (file, sheet, date), each sheet
    // scaled to fit its page.
    bool paintPages(QPagedPaintDevice &device, const QList<int> &sheets) const;
    QString titleLine(int sheet) const;

    static QString fileForSheet(const QString &path, int sheet, bool several);

private:
    QString writePicture(Format format, int sheet, const QString &path) const;

    DesignDocument &m_document;
    QString m_documentName;
};
