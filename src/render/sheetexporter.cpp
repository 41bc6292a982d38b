// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sheetexporter.h"

#include "io/designdocument.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "render/sheetpainter.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {
// Sheet pixels are drawn at this resolution in PDF and SVG: one sheet pixel
// is one screen pixel of a 96 dpi display.
constexpr int kSheetDpi = 96;
constexpr int kTitlePixels = 14;
constexpr int kTitleGap = 10;
} // namespace

std::optional<SheetExporter::Format> SheetExporter::formatNamed(const QString &word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("png"))
        return Format::Png;
    if (lower == QLatin1String("svg"))
        return Format::Svg;
    if (lower == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

std::optional<SheetExporter::Format> SheetExporter::formatOfFile(const QString &path)
{
    return formatNamed(QFileInfo(path).suffix());
}

SheetExporter::SheetExporter(DesignDocument &document, const QString &documentName)
    : m_document(document), m_documentName(documentName)
{
}

QString SheetExporter::fileForSheet(const QString &path, int sheet, bool several)
{
    if (!several)
        return path;
    const QFileInfo info(path);
    const QString base = info.completeBaseName() + QStringLiteral("-%1").arg(sheet + 1);
    const QString name = info.suffix().isEmpty() ? base : base + QLatin1Char('.') + info.suffix();
    return info.dir().filePath(name);
}

QString SheetExporter::titleLine(int sheet) const
{
    const QString file = m_documentName.isEmpty() ? tr("Untitled")
                                                  : QFileInfo(m_documentName).fileName();
    const Sheet *shown = m_document.sheets().sheet(sheet);
    return tr("%1 — %2 — %3")
        .arg(file, shown ? shown->caption() : QString(),
             QDate::currentDate().toString(Qt::ISODate));
}

SheetExporter::Result SheetExporter::write(Format format, const QList<int> &sheets,
                                           const QString &path) const
{
    Result result;
    if (format == Format::Pdf) {
        QPdfWriter writer(path);
        writer.setTitle(m_documentName.isEmpty() ? tr("Untitled") : QFileInfo(m_documentName).fileName());
        writer.setCreator(QStringLiteral("KaRiX"));
        if (!paintPages(writer, sheets))
            result.error = tr("Cannot write %1").arg(path);
        else
            result.files << path;
        return result;
    }
    for (int sheet : sheets) {
        const QString file = fileForSheet(path, sheet, sheets.size() > 1);
        result.error = writePicture(format, sheet, file);
        if (!result.error.isEmpty())
            return result;
        result.files << file;
    }
    return result;
}

QString SheetExporter::writePicture(Format format, int sheet, const QString &path) const
{
    const Sheet *shown = m_document.sheets().sheet(sheet);
    if (!shown)
        return tr("There is no sheet %1.").arg(sheet + 1);
    const SheetPainter sheetPainter(*shown, &m_document.model(), &m_document.settings());
    const QSize size = SheetPainter::sheetSize();
    if (format == Format::Svg) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(kSheetDpi);
        generator.setTitle(titleLine(sheet));
        QPainter painter;
        if (!painter.begin(&generator))
            return tr("Cannot write %1").arg(path);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        sheetPainter.paint(painter);
        return painter.end() ? QString() : tr("Cannot write %1").arg(path);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sheetPainter.paint(painter);
    painter.end();
    return image.save(path, "PNG") ? QString() : tr("Cannot write %1").arg(path);
}

bool SheetExporter::paintPages(QPagedPaintDevice &device, const QList<int> &sheets) const
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    const QSize sheetSize = SheetPainter::sheetSize();
    bool first = true;
    for (int sheet : sheets) {
        const Sheet *shown = m_document.sheets().sheet(sheet);
        if (!shown)
            continue;
        if (!first && !device.newPage())
            return false;
        first = false;
        painter.save();
        // Sheet pixels on the page: the title line on top, the sheet under it
        // scaled to what is left, whatever the device's resolution.
        const double pageScale = double(page.width()) / (sheetSize.width());
        const double heightScale = double(page.height())
                                   / (sheetSize.height() + kTitlePixels + kTitleGap);
        const double scale = qMin(pageScale, heightScale);
        painter.scale(scale, scale);
        const QFont sheetFont = painter.font();
        QFont font = sheetFont;
        font.setPixelSize(kTitlePixels);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, sheetSize.width(), kTitlePixels + 4),
                         Qt::AlignLeft | Qt::AlignVCenter, titleLine(sheet));
        painter.setFont(sheetFont);
        painter.translate(0, kTitlePixels + kTitleGap);
        SheetPainter(*shown, &m_document.model(), &m_document.settings()).paint(painter);
        painter.restore();
    }
    return painter.end();
}
