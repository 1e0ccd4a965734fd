// Draws the program's pictures: the menu buttons, the back chevron and the icons.
// Run by tools/make-pictures, which converts what Qt cannot write (GIF) with
// ImageMagick; the output is committed under resources/.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

namespace {

const QColor kInk(0, 0, 128); // one colour on white for the figure pictures

// The pictures are drawn at their design size times this: 1 for the stored files, 2 and 3
// for the sharp versions a zoomed window shows.
int gScale = 1;

QImage canvas(int w, int h, QColor fill = Qt::white) {
    QImage image(w * gScale, h * gScale, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A painter on the picture that draws in its design's pixels.
void designPixels(QPainter& p) {
    p.scale(gScale, gScale);
}

QPen inkPen(qreal width = 2) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap);
}

void letter(QPainter& p, qreal x, qreal y, const QString& text, int px = 11) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QPointF(x, y), text);
}

// A 16-colour (4 bits a pixel) Windows bitmap, which Qt does not write.
bool saveBmp4(const QImage& source, const QString& path) {
    const QImage img = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> table = img.colorTable();
    if (table.size() > 16) {
        std::fprintf(stderr, "%s: %lld colours, more than 16\n", qPrintable(path),
                     static_cast<long long>(table.size()));
        return false;
    }
    while (table.size() < 16)
        table.append(qRgb(0, 0, 0));
    const int w = img.width(), h = img.height();
    const int rowBytes = ((w + 1) / 2 + 3) & ~3;
    const quint32 offset = 14 + 40 + 16 * 4;
    const quint32 size = offset + static_cast<quint32>(rowBytes * h);
    QByteArray out;
    auto u16 = [&](quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    out.append("BM");
    u32(size);
    u32(0);
    u32(offset);
    u32(40);
    u32(static_cast<quint32>(w));
    u32(static_cast<quint32>(h));
    u16(1);
    u16(4);
    u32(0);
    u32(static_cast<quint32>(rowBytes * h));
    u32(3780);
    u32(3780);
    u32(16);
    u32(0);
    for (QRgb c : table) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const uchar* line = img.constScanLine(y);
        for (int x = 0; x < w; ++x)
            row[x / 2] = char(row[x / 2] | (x % 2 ? line[x] : line[x] << 4));
        out.append(row);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// Keeps the drawing to a few pure colours so it fits a 16-colour palette.
QImage flatten(const QImage& image) {
    QImage out = image;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            out.setPixelColor(x, y, c.lightness() > 170 ? QColor(Qt::white) : kInk);
        }
    return out;
}

QImage segment() {
    QImage img = canvas(86, 83);
    QPainter p(&img);
    designPixels(p);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(16, 64), QPointF(70, 20));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 64), 4, 4);
    p.drawEllipse(QPointF(70, 20), 4, 4);
    letter(p, 4, 80, QStringLiteral("A"));
    letter(p, 72, 14, QStringLiteral("B"));
    return flatten(img);
}

QImage angle() {
    QImage img = canvas(86, 83);
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(14, 66), QPointF(78, 66));
    p.drawLine(QPointF(14, 66), QPointF(62, 14));
    p.setPen(inkPen(2));
    p.drawArc(QRectF(-6, 46, 40, 40), 0, 47 * 16);
    letter(p, 36, 60, QStringLiteral("ω"));
    return flatten(img);
}

QImage square() {
    QImage img = canvas(86, 82);
    QPainter p(&img);
    designPixels(p);
    p.setPen(inkPen(3));
    p.drawRect(QRectF(18, 14, 52, 52));
    return flatten(img);
}

QImage rectangle() {
    QImage img = canvas(83, 82);
    QPainter p(&img);
    designPixels(p);
    p.setPen(inkPen(3));
    p.drawRect(QRectF(10, 22, 62, 38));
    return img;
}

QImage circle() {
    QImage img = canvas(83, 82);
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(inkPen(3));
    p.drawEllipse(QPointF(41.5, 41), 30, 30);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(41.5, 41), 2, 2);
    return img;
}

QImage polygon(int w, int h, const QPolygonF& shape) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(shape);
    return img;
}

QImage credits() {
    // A sepia drawing: a pair of compasses over a sheet of paper.
    const QColor paper(236, 222, 196), ink(112, 66, 20), light(176, 132, 84);
    QImage img = canvas(86, 53, paper);
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(light, 1));
    for (int y = 10; y < 50; y += 8)
        p.drawLine(8, y, 78, y);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(43, 6), QPointF(28, 47));
    p.drawLine(QPointF(43, 6), QPointF(58, 47));
    p.setPen(QPen(ink, 2));
    p.drawArc(QRectF(20, 18, 46, 46), 20 * 16, 140 * 16);
    p.setBrush(ink);
    p.drawEllipse(QPointF(43, 6), 3, 3);
    return img;
}

QImage exitPicture() {
    // "ΕΞΟΔΟΣ" lettered around a large stylised X.
    QImage img = canvas(138, 50, QColor(240, 240, 240));
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 0, 0), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 8), QPointF(86, 42));
    p.drawLine(QPointF(86, 8), QPointF(52, 42));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(2, 0, 50, 50), Qt::AlignCenter, QStringLiteral("ΕΞΟ"));
    p.drawText(QRectF(86, 0, 50, 50), Qt::AlignCenter, QStringLiteral("ΔΟΣ"));
    return img;
}

void chevrons(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cy = r.center().y(), half = r.height() * 0.32, step = r.width() * 0.28;
    for (int i = 0; i < 2; ++i) {
        const qreal x = r.left() + r.width() * 0.22 + i * step;
        QPolygonF v{{x + half, cy - half}, {x, cy}, {x + half, cy + half}};
        p.drawPolyline(v);
    }
}

QImage back() {
    QImage img = canvas(61, 49, QColor(240, 240, 240));
    QPainter p(&img);
    designPixels(p);
    p.setRenderHint(QPainter::Antialiasing);
    chevrons(p, QRectF(0, 0, 61, 49), QColor(0, 0, 255), 6);
    return img;
}

// The application icon: a white triangle and circle on the program's blue.
void drawFigures(QPainter& p, qreal s) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, qMax<qreal>(1.5, s / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF{{s * 0.15, s * 0.82}, {s * 0.85, s * 0.82}, {s * 0.38, s * 0.2}});
    p.setPen(QPen(QColor(224, 224, 224), qMax<qreal>(1, s / 20)));
    p.drawEllipse(QPointF(s * 0.62, s * 0.42), s * 0.22, s * 0.22);
}

void drawIcon(QPainter& p, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 255));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.15, s * 0.15);
    drawFigures(p, s);
}

// The icon a phone or a tablet crops to its own shape: the blue to every edge, the figures
// within the middle four fifths that every shape keeps.
QImage maskableIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(QColor(0, 0, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size * 0.1, size * 0.1);
    drawFigures(p, size * 0.8);
    return img;
}

QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawIcon(p, size);
    return img;
}

const char* kSvgIcon = R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <rect x="0" y="0" width="128" height="128" rx="19.2" fill="#0000ff"/>
  <polygon points="19.2,104.96 108.8,104.96 48.64,25.6" fill="none" stroke="#ffffff"
           stroke-width="9.14" stroke-linejoin="round"/>
  <circle cx="79.36" cy="53.76" r="28.16" fill="none" stroke="#e0e0e0" stroke-width="6.4"/>
</svg>
)";

bool save(const QImage& image, const QString& path, const char* format = nullptr,
          int quality = -1) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The figure pictures, each under its file name: 16-colour BMPs, 24-bit BMPs, the two
// GIFs drawn as PNG (ImageMagick converts them), a JPEG. At 2 and 3 times every one is a
// PNG named name@2x.png, name@3x.png.
bool drawPictures(const QDir& pics) {
    const bool stored = gScale == 1;
    const auto out = [&](const char* name, const char* ext) {
        return stored ? pics.filePath(QStringLiteral("%1.%2").arg(name, ext))
                      : pics.filePath(QStringLiteral("%1@%2x.png").arg(name).arg(gScale));
    };
    const auto bmp4 = [&](const QImage& image, const char* name) {
        return stored ? saveBmp4(image, out(name, "bmp")) : save(image, out(name, "png"));
    };
    const auto rgb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB888);
    };
    bool ok = true;
    ok &= bmp4(segment(), "segment");
    ok &= bmp4(angle(), "angle");
    ok &= bmp4(square(), "square");
    ok &= save(rgb(rectangle()), out("rectangle", "bmp"));
    ok &= save(rgb(circle()), out("circle", "bmp"));
    ok &= save(polygon(89, 81, {{8, 70}, {81, 70}, {34, 12}}), out("triangle", "png"));
    ok &= save(polygon(87, 86, {{6, 66}, {81, 66}, {62, 22}, {24, 22}}), out("trapezium", "png"));
    ok &= stored ? save(polygon(85, 77, {{6, 58}, {58, 58}, {79, 20}, {27, 20}}),
                        out("parallelogram", "jpg"), "JPEG", 92)
                 : save(polygon(85, 77, {{6, 58}, {58, 58}, {79, 20}, {27, 20}}),
                        out("parallelogram", "png"));
    ok &= save(rgb(credits()), out("credits", "bmp"));
    ok &= save(rgb(exitPicture()), out("exit", "bmp"));
    ok &= save(rgb(back()), out("back", "bmp"));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw PICTURES_DIR ICONS_DIR\n");
        return 2;
    }
    const QDir pics(QString::fromLocal8Bit(argv[1])), icons(QString::fromLocal8Bit(argv[2]));
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        gScale = scale;
        ok &= drawPictures(pics);
    }
    // (192 and 512 for the installed web app)
    for (int size : {16, 32, 48, 64, 128, 192, 512})
        ok &= save(icon(size), icons.filePath(QStringLiteral("icon%1.png").arg(size)));
    ok &= save(maskableIcon(512), icons.filePath(QStringLiteral("icon-maskable512.png")));
    QFile svg(icons.filePath("icon.svg"));
    ok &= svg.open(QIODevice::WriteOnly) && svg.write(kSvgIcon) > 0;
    return ok ? 0 : 1;
}
