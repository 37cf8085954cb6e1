// Draws the two splash pictures shown while the program starts:
// StartE.jpg (English) and StartC.jpg (Chinese), 480 x 300 pixels.
//
//   make_splash <output folder> [--png <preview folder>]
//
// Runs at build time without a display: the offscreen platform is forced
// before the application object exists. When the WenQuanYi Micro Hei font
// is missing the pictures are still drawn with the default font.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;

// How far the radio (and its waves) sit below the drawing's design position.
constexpr qreal kRadioDrop = 20;

const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");

struct SplashText {
    QString fileStem;   // "StartE" or "StartC"
    QString subtitle;   // what the program is, in the window's language
    QString tagline;    // small line at the bottom
};

// Makes sure the CJK font is known; returns the family to draw with.
QString pickFontFamily()
{
    if (QFontDatabase::families().contains(kFontFamily))
        return kFontFamily;
    const QStringList candidates = {
        QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"),
        QStringLiteral("/usr/share/fonts/wqy-microhei/wqy-microhei.ttc"),
    };
    for (const QString &path : candidates) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
    }
    std::fprintf(stderr, "make_splash: font \"%s\" not found, using the default font\n",
                 qPrintable(kFontFamily));
    return QGuiApplication::font().family();
}

QFont makeFont(const QString &family, int pixelSize, int weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Background: a dark blue gradient with a soft glow behind the radio.
void drawBackground(QPainter &p)
{
    QLinearGradient base(0, 0, kWidth, kHeight);
    base.setColorAt(0.0, QColor(0x12, 0x3f, 0x7d));
    base.setColorAt(0.55, QColor(0x0a, 0x27, 0x55));
    base.setColorAt(1.0, QColor(0x04, 0x12, 0x2c));
    p.fillRect(0, 0, kWidth, kHeight, base);

    QRadialGradient glow(QPointF(385, 150 + kRadioDrop), 170);
    glow.setColorAt(0.0, QColor(0x3f, 0x9c, 0xf0, 90));
    glow.setColorAt(1.0, QColor(0x3f, 0x9c, 0xf0, 0));
    p.fillRect(0, 0, kWidth, kHeight, glow);

    // Thin light band across the bottom edge.
    QLinearGradient band(0, 0, kWidth, 0);
    band.setColorAt(0.0, QColor(0x4f, 0xb3, 0xff, 0));
    band.setColorAt(0.5, QColor(0x4f, 0xb3, 0xff, 160));
    band.setColorAt(1.0, QColor(0x4f, 0xb3, 0xff, 0));
    p.fillRect(QRectF(0, kHeight - 3, kWidth, 3), band);
}

// Radio waves: arcs spreading from the antenna tip.
void drawWaves(QPainter &p, QPointF origin)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 18 + i * 12;
        QPen pen(QColor(0x8f, 0xcf, 0xff, 210 - i * 55));
        pen.setWidthF(2.2);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const QRectF box(origin.x() - r, origin.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 20 * 16, 55 * 16);    // right side
        p.drawArc(box, 105 * 16, 55 * 16);   // left side
    }
    p.restore();
}

// A simple handheld radio: antenna, knobs, body, display, speaker grille,
// keypad and the PTT key on the side.
void drawRadio(QPainter &p)
{
    p.save();
    p.translate(0, kRadioDrop);
    const QRectF body(352, 96, 66, 150);
    const QColor outline(0xb8, 0xdc, 0xff);

    // Antenna and knobs.
    QLinearGradient antennaGrad(0, 30, 0, 100);
    antennaGrad.setColorAt(0.0, QColor(0x2a, 0x2f, 0x38));
    antennaGrad.setColorAt(1.0, QColor(0x15, 0x18, 0x1e));
    p.setPen(QPen(outline, 1.2));
    p.setBrush(antennaGrad);
    p.drawRoundedRect(QRectF(362, 36, 11, 64), 4, 4);
    p.drawRoundedRect(QRectF(392, 82, 14, 16), 3, 3);

    // Side PTT key.
    p.setBrush(QColor(0x1b, 0x1f, 0x27));
    p.drawRoundedRect(QRectF(346, 130, 8, 34), 3, 3);

    // Body.
    QLinearGradient bodyGrad(body.topLeft(), body.topRight());
    bodyGrad.setColorAt(0.0, QColor(0x24, 0x29, 0x33));
    bodyGrad.setColorAt(0.5, QColor(0x36, 0x3d, 0x4a));
    bodyGrad.setColorAt(1.0, QColor(0x1c, 0x20, 0x28));
    p.setPen(QPen(outline, 1.6));
    p.setBrush(bodyGrad);
    p.drawRoundedRect(body, 12, 12);

    // Speaker grille.
    p.setPen(QPen(QColor(0x6b, 0x77, 0x8a), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 110 + i * 7;
        p.drawLine(QPointF(364, y), QPointF(406, y));
    }

    // Display.
    const QRectF lcd(362, 142, 46, 30);
    QLinearGradient lcdGrad(lcd.topLeft(), lcd.bottomLeft());
    lcdGrad.setColorAt(0.0, QColor(0x9e, 0xe6, 0xff));
    lcdGrad.setColorAt(1.0, QColor(0x4b, 0xa8, 0xe0));
    p.setPen(QPen(QColor(0x0c, 0x1a, 0x2e), 1.0));
    p.setBrush(lcdGrad);
    p.drawRoundedRect(lcd, 3, 3);
    p.setPen(QPen(QColor(0x0c, 0x2a, 0x4a), 1.6));
    p.drawLine(QPointF(367, 152), QPointF(397, 152));
    p.drawLine(QPointF(367, 162), QPointF(389, 162));

    // Keypad, 3 x 4.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x96, 0xa8));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRoundedRect(QRectF(366 + col * 14, 182 + row * 13, 10, 7), 2, 2);
        }
    }
    p.restore();
}

void drawTexts(QPainter &p, const QString &family, const SplashText &text)
{
    const qreal left = 34;
    const qreal textWidth = 296;

    // Product name.
    QFont titleFont = makeFont(family, 54, QFont::Bold);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(titleFont);
    const QFontMetrics titleMetrics(titleFont);
    const qreal titleBaseline = 128;
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(left + 2, titleBaseline + 2), QStringLiteral("TQ8615"));
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(QPointF(left, titleBaseline), QStringLiteral("TQ8615"));

    // Accent line under the name.
    const qreal lineY = titleBaseline + titleMetrics.descent() + 10;
    QLinearGradient accent(left, 0, left + 180, 0);
    accent.setColorAt(0.0, QColor(0x4f, 0xc3, 0xff));
    accent.setColorAt(1.0, QColor(0x4f, 0xc3, 0xff, 0));
    p.fillRect(QRectF(left, lineY, 180, 3), accent);

    // Subtitle, shrunk until it fits in two lines at most.
    int size = 19;
    QRectF subtitleBox(left, lineY + 14, textWidth, 60);
    QFont subtitleFont;
    QRectF needed;
    for (; size >= 11; --size) {
        subtitleFont = makeFont(family, size, QFont::Medium);
        const QFontMetrics m(subtitleFont);
        needed = m.boundingRect(subtitleBox.toRect(), Qt::TextWordWrap, text.subtitle);
        if (needed.height() <= 2 * m.lineSpacing() + 1 && needed.width() <= textWidth)
            break;
    }
    p.setFont(subtitleFont);
    p.setPen(QColor(0xd6, 0xe8, 0xff));
    p.drawText(subtitleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.subtitle);

    // Tagline at the bottom.
    QFont smallFont = makeFont(family, 12);
    smallFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.setFont(smallFont);
    p.setPen(QColor(0x8f, 0xb4, 0xdc));
    p.drawText(QRectF(left, kHeight - 40, kWidth - 2 * left, 20),
               Qt::AlignLeft | Qt::AlignVCenter, text.tagline);
}

QImage drawSplash(const QString &family, const SplashText &text)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawBackground(p);
    drawWaves(p, QPointF(367.5, 36 + kRadioDrop));
    drawRadio(p);
    drawTexts(p, family, text);
    p.end();
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    // Drawing needs no screen; never depend on one at build time.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_splash <output folder> [--png <preview folder>]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    QString pngDir;
    const qsizetype pngAt = args.indexOf(QStringLiteral("--png"));
    if (pngAt > 0 && pngAt + 1 < args.size())
        pngDir = args.at(pngAt + 1);

    if (!QDir().mkpath(outDir) || (!pngDir.isEmpty() && !QDir().mkpath(pngDir))) {
        std::fprintf(stderr, "make_splash: cannot create the output folder\n");
        return 1;
    }

    const QString family = pickFontFamily();
    const SplashText pictures[] = {
        {QStringLiteral("StartE"),
         QStringLiteral("Dual-band handheld radio programming software"),
         QStringLiteral("VHF / UHF  \u00b7  Read, edit and write radio data")},
        {QStringLiteral("StartC"),
         QStringLiteral("双段手持对讲机写频软件"),
         QStringLiteral("VHF / UHF  \u00b7  读频、编辑、写频")},
    };

    int failures = 0;
    for (const SplashText &text : pictures) {
        const QImage image = drawSplash(family, text);
        const QString jpg = QDir(outDir).filePath(text.fileStem + QStringLiteral(".jpg"));
        if (!image.save(jpg, "JPG", 92)) {
            std::fprintf(stderr, "make_splash: cannot write %s\n", qPrintable(jpg));
            ++failures;
        }
        if (!pngDir.isEmpty()) {
            const QString png = QDir(pngDir).filePath(text.fileStem + QStringLiteral(".png"));
            if (!image.save(png, "PNG"))
                ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
