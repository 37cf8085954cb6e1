// Draws the program's icon: tq8615.svg and tq8615-<size>.png for 48, 128 and 256 pixels.
// One drawing serves all of them: it is painted on a 256-unit canvas, scaled for each
// picture, and recorded as SVG through the same painter calls.
//
//   make_icon <output folder>
//
// Runs at build time without a display, like make_splash.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kCanvas = 256;

// Rounded tile with a blue gradient, as desktop icons of the same family look.
void drawTile(QPainter& p)
{
    const QRectF tile(12, 12, 232, 232);
    QLinearGradient base(tile.topLeft(), tile.bottomRight());
    base.setColorAt(0.0, QColor(0x1f, 0x6f, 0xc9));
    base.setColorAt(1.0, QColor(0x0a, 0x27, 0x55));
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawRoundedRect(tile, 44, 44);

    QRadialGradient glow(QPointF(150, 120), 120);
    glow.setColorAt(0.0, QColor(0x6f, 0xc0, 0xff, 110));
    glow.setColorAt(1.0, QColor(0x6f, 0xc0, 0xff, 0));
    p.setBrush(glow);
    p.drawRoundedRect(tile, 44, 44);
}

// Waves spreading from the antenna tip: what the program is about at a glance.
void drawWaves(QPainter& p, QPointF tip)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 16 + i * 12;
        QPen pen(QColor(0xcf, 0xea, 0xff, 240 - i * 60));
        pen.setWidthF(8 - i * 1.5);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const QRectF box(tip.x() - r, tip.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 15 * 16, 60 * 16);
        p.drawArc(box, 105 * 16, 60 * 16);
    }
}

// A handheld radio, bold enough to read at 48 pixels.
void drawRadio(QPainter& p)
{
    const QColor light(0xf4, 0xf8, 0xff);
    const QColor dark(0x12, 0x1a, 0x28);

    // Antenna and knob.
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(98, 40, 20, 68), 8, 8);
    p.drawRoundedRect(QRectF(142, 86, 24, 22), 5, 5);

    // Body.
    const QRectF body(82, 100, 96, 130);
    QLinearGradient bodyGrad(body.topLeft(), body.topRight());
    bodyGrad.setColorAt(0.0, QColor(0x24, 0x2b, 0x38));
    bodyGrad.setColorAt(0.5, QColor(0x3a, 0x44, 0x55));
    bodyGrad.setColorAt(1.0, QColor(0x1c, 0x22, 0x2d));
    p.setPen(QPen(light, 5));
    p.setBrush(bodyGrad);
    p.drawRoundedRect(body, 18, 18);

    // Display.
    const QRectF lcd(96, 118, 68, 40);
    QLinearGradient lcdGrad(lcd.topLeft(), lcd.bottomLeft());
    lcdGrad.setColorAt(0.0, QColor(0xa8, 0xec, 0xff));
    lcdGrad.setColorAt(1.0, QColor(0x4b, 0xa8, 0xe0));
    p.setPen(Qt::NoPen);
    p.setBrush(lcdGrad);
    p.drawRoundedRect(lcd, 6, 6);
    p.setPen(QPen(dark, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(106, 132), QPointF(150, 132));
    p.drawLine(QPointF(106, 146), QPointF(136, 146));

    // Keypad, 3 x 3.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa8, 0xb6, 0xca));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(QRectF(98 + col * 23, 170 + row * 17, 18, 10), 3, 3);
}

void drawIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawTile(p);
    // The radio and its waves a little smaller than the tile, so the waves stay on it.
    p.translate(kCanvas / 2.0, kCanvas / 2.0);
    p.scale(0.88, 0.88);
    p.translate(-kCanvas / 2.0, -kCanvas / 2.0);
    drawWaves(p, QPointF(108, 44));
    drawRadio(p);
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen; never depend on one at build time.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_icon <output folder>\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "make_icon: cannot create the output folder\n");
        return 1;
    }

    int failures = 0;
    for (const int size : {48, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(qreal(size) / kCanvas, qreal(size) / kCanvas);
        drawIcon(p);
        p.end();
        const QString png = out.filePath(QStringLiteral("tq8615-%1.png").arg(size));
        if (!image.save(png, "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(png));
            ++failures;
        }
    }

    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("tq8615.svg")));
    svg.setSize(QSize(kCanvas, kCanvas));
    svg.setViewBox(QRect(0, 0, kCanvas, kCanvas));
    svg.setTitle(QStringLiteral("TQ8615 programmer"));
    svg.setDescription(QStringLiteral("A handheld radio sending waves"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "make_icon: cannot write the SVG icon\n");
        ++failures;
    } else {
        drawIcon(p);
        p.end();
    }
    return failures == 0 ? 0 : 1;
}
