// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture the program loads from its resources. Run through
// make-images.sh; the generated PNG files are kept in the repository so
// that a build never needs this tool.
//
// Block images must keep their sizes: the model derives port positions from
// them (logic inputs every 5 px from y 3, measure-counter inputs at y 6 and
// 22, every other input and every output at half height).
#include <QDir>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

namespace {

QString g_outDir;

const QColor kInk(40, 40, 40);
const QColor kPort(20, 20, 20);

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

bool save(const QImage &image, const QString &relative)
{
    const QString path = g_outDir + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool ok = image.save(path);
    std::printf("%s %s %dx%d\n", ok ? "wrote" : "FAILED", qPrintable(relative), image.width(),
                image.height());
    return ok;
}

void beginPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

// Body of a block between the port stubs: a light fill keeps the caption,
// drawn centred at run time, legible.
void drawBody(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border, qreal radius = 4)
{
    p.setPen(QPen(border, 1.4));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void drawInputStub(QPainter &p, int y, int length = 6)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kPort, 1));
    p.drawLine(0, y, length, y);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void drawOutputStub(QPainter &p, int w, int y, int length = 6)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kPort, 1));
    p.drawLine(w - length, y, w - 1, y);
    // A small arrow head marks the output side.
    p.setPen(Qt::NoPen);
    p.setBrush(kPort);
    const QPoint tip(w - 1, y);
    p.drawPolygon(QPolygon({tip, QPoint(w - 4, y - 3), QPoint(w - 4, y + 3)}));
    p.setRenderHint(QPainter::Antialiasing, true);
}

// A tag pointing right: square on the left, flat until noseLength before
// r.right(), then to a point there at half height.
void drawArrowTag(QPainter &p, const QRectF &r, qreal noseLength, const QColor &fill,
                  const QColor &border, qreal penWidth = 1.4)
{
    const qreal shoulder = r.right() - noseLength;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(shoulder, r.top());
    path.lineTo(r.right(), r.center().y());
    path.lineTo(shoulder, r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(border, penWidth));
    p.setBrush(fill);
    p.drawPath(path);
}

QImage logicBlock(const QColor &fill, const QColor &border)
{
    const int w = 110, h = 60;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawBody(p, QRectF(6.5, 0.5, w - 13, h - 1), fill, border, 6);
    for (int port = 0; port < 11; ++port)
        drawInputStub(p, 5 * port + 3);
    drawOutputStub(p, w, h / 2);
    return image;
}

QImage inputConnector()
{
    const int w = 110, h = 32;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawArrowTag(p, QRectF(QPointF(1.5, 2.5), QPointF(w - 7, h - 2.5)), 11, QColor(255, 232, 232),
                 QColor(170, 40, 40));
    drawOutputStub(p, w, h / 2, 7);
    return image;
}

QImage functionBlock(const QColor &fill, const QColor &border, bool clockMark)
{
    const int w = 110, h = 32;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawBody(p, QRectF(6.5, 1.5, w - 13, h - 3), fill, border);
    drawInputStub(p, h / 2);
    drawOutputStub(p, w, h / 2);
    if (clockMark) {
        // Small pulse symbol in the corner, above the caption line: the
        // free-running mode.
        p.setPen(QPen(border, 1));
        const QPolygonF pulse({QPointF(10, 7), QPointF(12, 7), QPointF(12, 4), QPointF(15, 4),
                               QPointF(15, 7), QPointF(17, 7), QPointF(17, 4), QPointF(20, 4)});
        p.drawPolyline(pulse);
    }
    return image;
}

QImage passThrough()
{
    const int w = 110, h = 8;
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setPen(QPen(kPort, 1));
    p.drawLine(0, h / 2, w - 1, h / 2);
    p.setBrush(QColor(200, 230, 200));
    p.setPen(QPen(QColor(60, 120, 60), 1));
    p.drawRect(20, 1, w - 41, h - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kPort);
    p.drawPolygon(QPolygon({QPoint(w - 1, h / 2), QPoint(w - 4, h / 2 - 3), QPoint(w - 4, h / 2 + 3)}));
    return image;
}

// A tag pointing right. A sink (the label's defining end) has its input on
// the left; a source has its output on the right.
QImage labelTag(const QColor &fill, const QColor &border, bool sink)
{
    const int w = 110, h = 28;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawArrowTag(p, QRectF(QPointF(6.5, 2.5), QPointF(w - 7.5, h - 2.5)), 10, fill, border);
    if (sink)
        drawInputStub(p, h / 2, 7);
    else
        drawOutputStub(p, w, h / 2, 8);
    return image;
}

QImage outputConnector(const QColor &fill, const QColor &border)
{
    const int w = 176, h = 32;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawArrowTag(p, QRectF(QPointF(6.5, 2.5), QPointF(w - 2, h - 2.5)), 10, fill, border);
    drawInputStub(p, h / 2, 7);
    return image;
}

// Measure counter: GATE input at y 6, SRC input at y 22. Each input is
// named next to its stub; the mode pictures draw the inputs the mode needs
// in the border colour and the unused ones pale.
QImage measureCounter(const QColor &fill, const QColor &border, bool gateUsed, bool srcUsed)
{
    const int w = 176, h = 28;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawBody(p, QRectF(6.5, 0.5, w - 8, h - 1), fill, border);
    drawInputStub(p, 6, 7);
    drawInputStub(p, 22, 7);
    QFont small = p.font();
    small.setPixelSize(9);
    p.setFont(small);
    const QColor used = border.darker(150);
    const QColor unused = border.lighter(160);
    p.setPen(gateUsed ? used : unused);
    p.drawText(QRectF(10, 1, 30, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GATE"));
    p.setPen(srcUsed ? used : unused);
    p.drawText(QRectF(10, 16, 30, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SRC"));
    return image;
}

// Palette and label-bar pictures: plain rounded tiles, caption drawn at run time.
QImage tile(int w, int h, const QColor &fill, const QColor &border, qreal radius = 5)
{
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawBody(p, QRectF(0.5, 0.5, w - 1, h - 1), fill, border, radius);
    return image;
}

// Connection-slot counter strip that hangs under its palette tile.
QImage infoStrip(int w, int h, const QColor &fill, const QColor &border)
{
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(border, 1));
    p.setBrush(fill.lighter(108));
    p.drawRoundedRect(QRectF(8.5, 0.5, w - 17, h - 1), 3, 3);
    return image;
}

QImage labelBarTag(const QColor &fill, const QColor &border)
{
    const int w = 96, h = 24;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    drawArrowTag(p, QRectF(QPointF(1.5, 1.5), QPointF(w - 1.5, h - 1.5)), 8.5, fill, border, 1.2);
    return image;
}

// ---- tool icons, 32 x 32 ----

QImage icon()
{
    return blank(32, 32);
}

void page(QPainter &p, const QRectF &r, const QColor &fill)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 90), 1.5));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

QImage iconNew()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    page(p, QRectF(7.5, 3.5, 18, 25), Qt::white);
    p.setPen(QPen(QColor(230, 160, 0), 2));
    p.drawLine(QPointF(21, 19), QPointF(21, 27));
    p.drawLine(QPointF(17, 23), QPointF(25, 23));
    return image;
}

QImage iconFolder()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(150, 100, 10), 1.5));
    p.setBrush(QColor(240, 200, 90));
    p.drawRoundedRect(QRectF(3.5, 8.5, 25, 19), 2, 2);
    p.drawRect(QRectF(3.5, 6.5, 10, 4));
    p.setBrush(QColor(252, 222, 130));
    p.drawPolygon(QPolygonF({QPointF(6.5, 14.5), QPointF(30.5, 14.5), QPointF(27.5, 27.5),
                             QPointF(3.5, 27.5)}));
    return image;
}

QImage iconSave()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(30, 50, 110), 1.5));
    p.setBrush(QColor(70, 110, 190));
    p.drawRoundedRect(QRectF(4.5, 4.5, 23, 23), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 4.5, 13, 8));
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(QRectF(8.5, 17.5, 15, 10));
    return image;
}

QImage iconDownload()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    // A module with an arrow going into it.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(90, 160, 90));
    p.drawRect(QRectF(5.5, 20.5, 21, 8));
    p.setPen(QPen(QColor(230, 230, 230), 1));
    for (int x = 9; x <= 23; x += 4)
        p.drawLine(x, 23, x, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 200));
    p.drawRect(QRectF(13, 3, 6, 9));
    p.drawPolygon(QPolygonF({QPointF(8, 11), QPointF(24, 11), QPointF(16, 19)}));
    return image;
}

QImage iconCounter()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(2.5, 8.5, 27, 15), 2, 2);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(90, 255, 90));
    p.drawText(QRectF(2.5, 8.5, 27, 15), Qt::AlignCenter, QStringLiteral("123"));
    return image;
}

QImage iconCurvedArrow(bool redo)
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    if (redo) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    const QColor colour(40, 100, 180);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(9, 13);
    arc.cubicTo(16, 6, 29, 9, 26, 20);
    arc.cubicTo(24, 26, 17, 27, 14, 26);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(12, 6), QPointF(12, 18)}));
    return image;
}

QImage iconCut()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(90, 90, 100), 2));
    p.drawLine(QPointF(10, 4), QPointF(20, 22));
    p.drawLine(QPointF(22, 4), QPointF(12, 22));
    p.setPen(QPen(QColor(190, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 25), 4, 4);
    p.drawEllipse(QPointF(22, 25), 4, 4);
    return image;
}

QImage iconCopy()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    page(p, QRectF(4.5, 3.5, 15, 19), QColor(235, 235, 245));
    page(p, QRectF(12.5, 9.5, 15, 19), Qt::white);
    return image;
}

QImage iconPaste()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(110, 70, 20), 1.5));
    p.setBrush(QColor(200, 150, 80));
    p.drawRoundedRect(QRectF(4.5, 5.5, 20, 24), 2, 2);
    p.setBrush(QColor(160, 160, 170));
    p.drawRoundedRect(QRectF(9.5, 3.5, 10, 5), 1, 1);
    page(p, QRectF(13.5, 12.5, 15, 17), Qt::white);
    return image;
}

QImage iconDrc()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    page(p, QRectF(5.5, 3.5, 19, 25), Qt::white);
    p.setPen(QPen(QColor(30, 150, 50), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(9, 17), QPointF(14, 23), QPointF(28, 8)}));
    return image;
}

QImage iconGear()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.translate(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 110, 130));
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-2.5, -14, 5, 6));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 10, 10);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 4, 4);
    return image;
}

QImage iconEdit()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.translate(16, 16);
    p.rotate(45);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(240, 190, 40));
    p.drawRect(QRectF(-3.5, -13, 7, 20));
    p.setBrush(QColor(240, 150, 150));
    p.drawRect(QRectF(-3.5, -15, 7, 3));
    p.setBrush(QColor(230, 210, 170));
    p.drawPolygon(QPolygonF({QPointF(-3.5, 7), QPointF(3.5, 7), QPointF(0, 14)}));
    return image;
}

QImage iconRename()
{
    QImage image = icon();
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(80, 80, 100), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 9.5, 27, 13));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(4, 9.5, 18, 13), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ab"));
    p.setPen(QPen(QColor(30, 80, 200), 1.5));
    p.drawLine(QPointF(21, 7), QPointF(21, 25));
    return image;
}

QImage deleteButton()
{
    QImage image = blank(16, 16);
    QPainter p(&image);
    beginPainter(p);
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return image;
}

QImage rubberBandCursor()
{
    QImage image = blank(16, 16);
    QPainter p(&image);
    p.setPen(QPen(QColor(0, 0, 200), 1, Qt::DotLine));
    p.drawRect(0, 0, 15, 15);
    return image;
}

QImage makerLogo()
{
    QFont font;
    font.setPixelSize(18);
    font.setBold(true);
    const QString name = QStringLiteral("Quorvex");
    // As wide as the name needs, so that no letter is cut off.
    const int textLeft = 38;
    const int w = textLeft + QFontMetrics(font).horizontalAdvance(name) + 6, h = 40;
    QImage image = blank(w, h);
    QPainter p(&image);
    beginPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 70, 140));
    p.drawEllipse(QRectF(2, 4, 32, 32));
    p.setBrush(QColor(240, 170, 20));
    p.drawEllipse(QRectF(12, 14, 12, 12));
    p.setFont(font);
    p.setPen(QColor(20, 70, 140));
    p.drawText(QRectF(textLeft, 0, w - textLeft, h), Qt::AlignLeft | Qt::AlignVCenter, name);
    return image;
}

QImage applicationIcon(int size)
{
    QImage image = blank(size, size);
    QPainter p(&image);
    beginPainter(p);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(20, 40, 90), 1.5));
    p.setBrush(QColor(40, 90, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(6, 22), QPointF(11, 22), QPointF(11, 10), QPointF(19, 10),
                              QPointF(19, 22), QPointF(26, 22)}));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-images RESOURCE_DIR\n");
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);

    const QColor preFill(255, 250, 215), preBorder(170, 140, 20);
    const QColor postFill(225, 250, 252), postBorder(30, 130, 150);
    const QColor fncFill(228, 250, 228), fncBorder(40, 130, 40);
    const QColor outFill(228, 234, 255), outBorder(40, 60, 170);
    const QColor fbFill(245, 230, 255), fbBorder(120, 60, 160);
    const QColor lblFill(255, 240, 225), lblBorder(190, 110, 30);
    const QColor msrFill(240, 240, 248), msrBorder(80, 80, 120);

    bool ok = true;
    const auto put = [&ok](const QImage &image, const char *name) {
        ok = save(image, QString::fromLatin1(name)) && ok;
    };

    put(logicBlock(preFill, preBorder), "images/PreLgc.png");
    put(logicBlock(postFill, postBorder), "images/PstLgc.png");
    put(inputConnector(), "images/label-IN.png");
    put(functionBlock(fncFill, fncBorder, false), "images/Function.png");
    put(functionBlock(QColor(255, 238, 215), QColor(180, 110, 30), true), "images/Function0.png");
    put(passThrough(), "images/NonFnc.png");
    put(labelTag(lblFill, lblBorder, true), "images/LabelIN.png");
    put(labelTag(fbFill, fbBorder, false), "images/Label.png");
    put(labelTag(lblFill, lblBorder, false), "images/FncLabel.png");
    put(outputConnector(fbFill, fbBorder), "images/FeedBack.png");
    put(outputConnector(outFill, outBorder), "images/NIMout.png");
    put(measureCounter(QColor(255, 245, 230), QColor(170, 100, 40), true, true),
        "images/MsrCnt.png");
    put(measureCounter(QColor(235, 248, 235), QColor(50, 130, 60), true, false),
        "images/MsrCnt1.png");
    put(measureCounter(QColor(232, 240, 255), QColor(50, 80, 170), false, true),
        "images/MsrCnt2.png");
    put(measureCounter(msrFill, msrBorder, false, false), "images/MsrCnt3.png");

    put(tile(100, 26, QColor(255, 232, 232), QColor(170, 40, 40)), "images/MenuInput.png");
    put(tile(100, 26, preFill, preBorder), "images/MenuPreLgc.png");
    put(infoStrip(100, 18, preFill, preBorder), "images/NetPreLgc.png");
    put(tile(100, 24, fncFill, fncBorder), "images/FuncLabel.png");
    put(tile(100, 26, postFill, postBorder), "images/MenuPstLgc.png");
    put(infoStrip(100, 18, postFill, postBorder), "images/NetPstLgc.png");
    put(tile(100, 24, outFill, outBorder), "images/MenuOut.png");
    put(tile(100, 26, fbFill, fbBorder), "images/MenuFeedBack.png");
    put(infoStrip(100, 18, fbFill, fbBorder), "images/NetFeedBack.png");
    put(tile(100, 24, lblFill, lblBorder), "images/MenuLabel.png");

    put(labelBarTag(lblFill, lblBorder), "images/LabelON.png");
    put(labelBarTag(fncFill, fncBorder), "images/FncLabelON.png");
    put(labelBarTag(QColor(225, 225, 225), QColor(150, 150, 150)), "images/LabelOFF.png");

    put(deleteButton(), "images/delbutton.png");
    put(rubberBandCursor(), "images/settings_divider.png");
    put(makerLogo(), "images/qvxlogo.s.png");

    put(iconNew(), "KaRiX_icon/KaRiX_New file.png");
    put(iconFolder(), "KaRiX_icon/KaRiX_folder2.png");
    put(iconSave(), "KaRiX_icon/KaRiX_Save1.png");
    put(iconDownload(), "KaRiX_icon/KaRiX_Update.png");
    put(iconCounter(), "KaRiX_icon/KaRiX_Counter1.png");
    put(iconCurvedArrow(false), "KaRiX_icon/KaRiX_Undo.png");
    put(iconCurvedArrow(true), "KaRiX_icon/KaRiX_Redo.png");
    put(iconCut(), "KaRiX_icon/KaRiX_Cut.png");
    put(iconCopy(), "KaRiX_icon/KaRiX_copy.png");
    put(iconPaste(), "KaRiX_icon/KaRiX_paste.png");
    put(iconDrc(), "KaRiX_icon/KaRiX_DRC.png");
    put(iconGear(), "KaRiX_icon/KaRiX_Cofigure.png");
    put(iconEdit(), "KaRiX_icon/KaRiX_Edit.png");
    put(iconRename(), "KaRiX_icon/KaRiX_rename2.png");

    // The desktop icon theme wants the application icon in its standard sizes.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("hicolor/%1x%1/apps/karix.png").arg(size);
        ok = save(applicationIcon(size), path) && ok;
    }

    const QImage appIcon = applicationIcon(32);
    ok = appIcon.save(g_outDir + QStringLiteral("/karix.ico"), "ICO") && ok;
    std::printf("%s karix.ico\n", ok ? "wrote" : "FAILED");
    return ok ? 0 : 1;
}
