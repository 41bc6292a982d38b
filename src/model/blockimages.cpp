#include "model/blockimages.h"

#include "model/blockitem.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>

namespace {

const QHash<QString, QSize> &imageSizes()
{
    static const QHash<QString, QSize> sizes = {
        {QStringLiteral("PreLgc.png"), {110, 60}},   {QStringLiteral("PstLgc.png"), {110, 60}},
        {QStringLiteral("label-IN.png"), {110, 32}}, {QStringLiteral("Function.png"), {110, 32}},
        {QStringLiteral("Function0.png"), {110, 32}}, {QStringLiteral("NonFnc.png"), {110, 8}},
        {QStringLiteral("LabelIN.png"), {110, 28}},  {QStringLiteral("Label.png"), {110, 28}},
        {QStringLiteral("FncLabel.png"), {110, 28}}, {QStringLiteral("FeedBack.png"), {176, 32}},
        {QStringLiteral("NIMout.png"), {176, 32}},   {QStringLiteral("MsrCnt.png"), {176, 28}},
        {QStringLiteral("MsrCnt1.png"), {176, 28}},  {QStringLiteral("MsrCnt2.png"), {176, 28}},
        {QStringLiteral("MsrCnt3.png"), {176, 28}},
    };
    return sizes;
}

QString measureCounterImage(int mode)
{
    if (mode == 0)
        return QStringLiteral("MsrCnt3.png");
    if ((mode & 3) == 0)
        return QStringLiteral("MsrCnt2.png");
    if ((mode & 12) != 0)
        return QStringLiteral("MsrCnt.png");
    return QStringLiteral("MsrCnt1.png");
}

} // namespace

QSize BlockImages::size(const QString &fileName)
{
    return imageSizes().value(fileName);
}

QImage BlockImages::load(const QString &fileName)
{
    QImage image(QStringLiteral(":/images/") + fileName);
    if (image.isNull()) {
        const QSize listed = size(fileName);
        if (listed.isEmpty())
            return QImage();
        image = QImage(listed, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        return image;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void BlockImages::drawCentred(QImage &image, const QString &text, int weight)
{
    // QPainter needs the font database of a GUI application to draw text.
    if (image.isNull() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QPainter painter(&image);
    QFont font = painter.font();
    font.setWeight(QFont::Weight(weight));
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
}

QString BlockImages::placedImageFile(const BlockItem &block)
{
    if (block.kind() == BlockKind::CounterFunction
        && block.propertyValue(QStringLiteral("Mode")) == QLatin1String("9"))
        return QStringLiteral("Function0.png");
    if (block.kind() == BlockKind::MeasureCounter)
        return measureCounterImage(block.propertyValue(QStringLiteral("Mode")).toInt());
    return QString();
}
