// What a student sees of each window's design: every caption fits the visible part of
// its label, the texts are all in the Greek code page, and every look-alike letter is
// the one its design names.
#include "testkit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <iconv.h>

using namespace testkit;

namespace {

QRect twips(const rt::ControlDesign& c) {
    return {c.left, c.top, c.width, c.height};
}

// The part of a label no other control covers: controls lie above labels, and later
// labels above earlier ones. A control that overlaps the label's first line cuts it
// from its left edge on; one that starts below the first line cuts its height.
QSize visiblePixels(const rt::FormDesign& design, std::size_t index, int lineHeight, double zoom) {
    const rt::ControlDesign& label = design.controls[index];
    int right = std::min(label.left + label.width, design.width);
    int bottom = std::min(label.top + label.height, design.height);
    const int lineBottom = label.top + int(lineHeight * rt::kTwipsPerPixel / zoom);
    for (std::size_t j = 0; j < design.controls.size(); ++j) {
        const rt::ControlDesign& other = design.controls[j];
        const bool above = other.kind != rt::ControlKind::Label || j > index;
        if (j == index || !above || !twips(label).intersects(twips(other))) continue;
        if (other.top < lineBottom && other.left > label.left)
            right = std::min(right, other.left);
        else if (other.top > label.top)
            bottom = std::min(bottom, other.top);
        else if (other.top + other.height - label.top > rt::kTwipsPerPixel)
            right = label.left; // covered from its corner: nothing shows
        // (a control over the label's top pixel row only hides the line's empty leading)
    }
    return {int((right - label.left) / rt::kTwipsPerPixel * zoom),
            int((bottom - label.top) / rt::kTwipsPerPixel * zoom)};
}

// The program's zoom and the screen's scale this run of the suite is for.
double zoom() {
    return qEnvironmentVariableIsSet("SCHIMATIOS_ZOOM")
               ? qEnvironmentVariable("SCHIMATIOS_ZOOM").toDouble()
               : 1.0;
}
double screenScale() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// One form shown alone at this run's zoom, unloaded at the end.
struct ShownAtZoom {
    RecordingServices services;
    desktop::Program program{services, "."};
    desktop::Form& form;
    explicit ShownAtZoom(const QString& name)
        : form((program.setZoom(zoom()), program.form(name.toStdString()))) {
        form.show();
    }
    ~ShownAtZoom() {
        form.unload();
        Fixture::settle();
    }
};

void formRows() {
    QTest::addColumn<QString>("form");
    for (const std::string& name : desktop::Program::formNames())
        QTest::newRow(name.c_str()) << q(name);
}

// How many pixels of a straight run from (x0, y0) to (x1, y1) are pure white; fails the
// test where one is neither white nor blue (a blended line).
int whiteRun(const QImage& image, int x0, int y0, int x1, int y1) {
    int white = 0;
    const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= n; ++i) {
        const int x = x0 + (x1 - x0) * i / n, y = y0 + (y1 - y0) * i / n;
        const QColor c = image.pixelColor(x, y);
        if (c != Qt::white && c != Qt::blue) {
            qWarning("grey at (%d, %d): %s", x, y, qPrintable(c.name()));
            return -1;
        }
        white += c == Qt::white;
    }
    return white;
}

// Whether the UTF-8 text converts to the Greek code page without loss.
bool inCp1253(std::string_view text) {
    iconv_t cd = iconv_open("CP1253", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in(text);
    std::string out(text.size() * 2 + 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    return r != static_cast<std::size_t>(-1) && inLeft == 0;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void theFontIsInstalled() {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QString("DejaVu Sans Condensed"));
    }

    // Every caption, tool tip and design text is representable in code page 1253.
    void greekCodePage() {
        QVERIFY(inCp1253("ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ ° · A"));
        QVERIFY(!inCp1253("ΣΧΗμάτιος ✓")); // the check can fail
        RecordingServices services;
        desktop::Program program(services, ".");
        for (const std::string& name : desktop::Program::formNames()) {
            const rt::FormDesign& d = program.form(name).design();
            QVERIFY2(inCp1253(d.caption), std::string(d.caption).c_str());
            for (const rt::ControlDesign& c : d.controls)
                for (const std::string_view s : {c.text, c.toolTip, c.accessibleName})
                    QVERIFY2(inCp1253(s),
                             (name + " " + std::string(c.name) + ": " + std::string(s)).c_str());
        }
    }

    // Look-alike capitals: each design names Latin or Greek, and that is what it holds.
    void lookAlikeLetters_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QList<int>>("codePoints");
        QTest::newRow("triangle bar heading A") << "Formtri"
                                                << "Label9" << QList<int>{0x41};
        QTest::newRow("triangle box Α") << "Formtri"
                                        << "txtgoniaa" << QList<int>{0x391};
        QTest::newRow("triangle box Β") << "Formtri"
                                        << "txtgoniab" << QList<int>{0x392};
        QTest::newRow("trapezium heading A") << "Formtra"
                                             << "Label9" << QList<int>{0x41};
        QTest::newRow("trapezium heading Β") << "Formtra"
                                             << "Label27" << QList<int>{0x392};
        QTest::newRow("trapezium box Α") << "Formtra"
                                         << "txtgoniaa" << QList<int>{0x391};
        QTest::newRow("trapezium label ΓΩΝΙΑ Α")
            << "Formtra"
            << "Label3(0)" << QList<int>{0x393, 0x3a9, 0x39d, 0x399, 0x391, 0x20, 0x391, 0x3a};
        QTest::newRow("segment box (ΑΒ)") << "Formline"
                                          << "txtmhkos" << QList<int>{0x28, 0x391, 0x392, 0x29};
        QTest::newRow("parallelogram ΓΩΝΙΑ Α")
            << "Formparal"
            << "Label11" << QList<int>{0x393, 0x3a9, 0x39d, 0x399, 0x391, 0x20, 0x391, 0x3a};
    }
    void lookAlikeLetters() {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QList<int>, codePoints);
        RecordingServices services;
        desktop::Program program(services, ".");
        for (const rt::ControlDesign& c : program.form(form.toStdString()).design().controls) {
            if (q(c.name) != control) continue;
            QList<int> actual;
            for (char32_t u : q(c.text).toUcs4())
                actual << static_cast<int>(u);
            QCOMPARE(actual, codePoints);
            return;
        }
        QFAIL("no such control");
    }

    // The letters each figure prints on its drawing.
    void printedLetters_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QList<int>>("letters");
        QTest::newRow("square") << "Formt"
                                << "Command2"
                                << "hsbpleyra" << QList<int>{0x41, 0x42, 0x393, 0x394};
        QTest::newRow("circle") << "Formk"
                                << "Command1"
                                << "hsbR" << QList<int>{0x4b};
        QTest::newRow("rectangle") << "Formo"
                                   << "Command3"
                                   << "hsbpleyraa" << QList<int>{0x391, 0x392, 0x393, 0x394};
        QTest::newRow("parallelogram") << "Formparal"
                                       << "Command10"
                                       << "hsbgonia1" << QList<int>{0x391, 0x392, 0x393, 0x394};
        QTest::newRow("triangle") << "Formtri"
                                  << "Command5"
                                  << "hsbpleurab" << QList<int>{0x41, 0x393, 0x392};
        QTest::newRow("trapezium") << "Formtra"
                                   << "Command6"
                                   << "hsbgoniaa" << QList<int>{0x41, 0x42, 0x393, 0x394};
        QTest::newRow("segment") << "Formline"
                                 << "Command7"
                                 << "hsbdief" << QList<int>{0x42, 0x41};
        QTest::newRow("angle") << "Formangle"
                               << "Command8"
                               << "hsbgonia" << QList<int>{0x41};
    }
    void printedLetters() {
        QFETCH(QString, form);
        QFETCH(QString, button);
        QFETCH(QString, bar);
        QFETCH(QList<int>, letters);
        Fixture f;
        desktop::Form& w = f.open(button.toUtf8().constData(), form.toUtf8().constData());
        clickArrow(w.scrollBar(bar.toStdString()), true);
        QList<int> printed;
        for (const rt::Drawn& item : w.window()->items())
            if (item.kind == rt::Drawn::Text)
                printed << static_cast<int>(q(item.text).toUcs4().at(0));
        QCOMPARE(printed, letters);
    }

    // At every scale and zoom the windows keep their size in logical pixels times the zoom
    // and the lines stay crisp: pure white on pure blue, a whole number of device pixels
    // wide (the rounded scale), the same all along, never a blurred bitmap.
    void linesAreWholeDevicePixels() {
        Fixture f;
        f.program.setZoom(zoom());
        desktop::Form& w = f.open("Command2", "Formt");
        QCOMPARE(w.window()->size(), (QSizeF(402, 306) * zoom()).toSize());
        keyTo(w.scrollBar("hsbpleyra"), 10);
        const qreal ratio = w.window()->devicePixelRatio();
        QCOMPARE(ratio, screenScale());
        const int pen = qMax(1, qRound(ratio * zoom()));
        qInfo("device pixel ratio %g, zoom %g: lines %d device pixels", ratio, zoom(), pen);
        QCOMPARE(w.window()->penWidth(), pen);
        const QImage image = w.window()->grab().toImage();
        QCOMPARE(image.size(), (QSizeF(w.window()->size()) * ratio).toSize());
        const double k = ratio * zoom() / rt::kTwipsPerPixel; // device pixels a twip
        // The square's sides: y = 500 and 3500 twips, x = 1200 and 4200 at side 10. Crossed
        // at seven places each, down to the boxes.
        for (double at = 0.2; at < 0.85; at += 0.1) {
            const int x = int((1200 + 3000 * at) * k), y = int((500 + 3000 * at) * k);
            QCOMPARE(whiteRun(image, x, int(300 * k), x, int(3800 * k)), 2 * pen);
            QCOMPARE(whiteRun(image, int(700 * k), y, int(4500 * k), y), 2 * pen);
        }
        // The circle's outline: at its top and its left.
        QTest::mouseClick(w.control("Command2"), Qt::LeftButton);
        Fixture::settle();
        desktop::Form& circle = f.open("Command1", "Formk");
        keyTo(circle.scrollBar("hsbR"), 10); // centre (3000, 2000), radius 1200 twips
        const QImage disc = circle.window()->grab().toImage();
        const int x = int(2955 * k), y = int(2045 * k);
        QCOMPARE(whiteRun(disc, x, int(600 * k), x, int(1955 * k)), pen);
        QCOMPARE(whiteRun(disc, int(1650 * k), y, int(2955 * k), y), pen);
    }

    // The letters keep their offsets from the vertices: each letter's antialiased edge
    // pixels (neither the blue ground nor a pure white line) lie in its own place.
    void lettersAtTheirOffsets() {
        Fixture f;
        f.program.setZoom(zoom());
        desktop::Form& w = f.open("Command2", "Formt");
        keyTo(w.scrollBar("hsbpleyra"), 10);
        const QImage image = w.window()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        for (const rt::Drawn& item : w.window()->items()) {
            if (item.kind != rt::Drawn::Text) continue;
            const QRectF box(QPointF(item.x1, item.y1) * (zoom() / rt::kTwipsPerPixel),
                             QSizeF(w.window()->fontMetrics().size(0, q(item.text))));
            const QRect device = QRectF(box.topLeft() * ratio, box.size() * ratio).toRect();
            QPointF sum;
            int n = 0;
            const int m = qCeil(3 * ratio * zoom());
            const QRect near = device.adjusted(-m, -m, m, m).intersected(image.rect());
            for (int y = near.top(); y <= near.bottom(); ++y)
                for (int x = near.left(); x <= near.right(); ++x)
                    if (const QColor c = image.pixelColor(x, y); c != Qt::white && c != Qt::blue) {
                        sum += QPointF(x, y);
                        ++n;
                    }
            QVERIFY2(n > 0, item.text.c_str());
            QVERIFY2(device.contains((sum / n).toPoint()), item.text.c_str());
        }
    }

    // Every control at its design rectangle times the zoom.
    void controlsAtTheirPlaces_data() { formRows(); }
    void controlsAtTheirPlaces() {
        QFETCH(QString, form);
        ShownAtZoom shown(form);
        desktop::Form& f = shown.form;
        QCOMPARE(f.scale(), zoom());
        const auto px = [](int twips) { return twips * zoom() / rt::kTwipsPerPixel; };
        for (const rt::ControlDesign& c : f.design().controls) {
            const QRect actual = f.control(c.name)->geometry();
            const QRectF expected(px(c.left), px(c.top), px(c.width), px(c.height));
            QVERIFY2(std::abs(actual.left() - expected.left()) <= 0.5 &&
                         std::abs(actual.top() - expected.top()) <= 0.5 &&
                         std::abs(actual.right() + 1 - expected.right()) <= 1 &&
                         std::abs(actual.bottom() + 1 - expected.bottom()) <= 1,
                     std::string(c.name).c_str());
        }
    }

    void captionsFit_data() { formRows(); }
    void captionsFit() {
        QFETCH(QString, form);
        ShownAtZoom shown(form);
        desktop::Form& f = shown.form;
        const rt::FormDesign& d = f.design();
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            if (d.controls[i].kind != rt::ControlKind::Label) continue;
            auto* label = qobject_cast<QLabel*>(f.control(d.controls[i].name));
            const QFontMetrics fm(label->font());
            const QSize visible = visiblePixels(d, i, fm.height(), zoom());
            const int width = fm.horizontalAdvance(label->text());
            QVERIFY2(width <= visible.width() && fm.height() <= visible.height(),
                     qPrintable(QString("%1 \"%2\" needs %3×%4 px, shows %5×%6")
                                    .arg(q(d.controls[i].name), label->text())
                                    .arg(width)
                                    .arg(fm.height())
                                    .arg(visible.width())
                                    .arg(visible.height())));
        }
    }
};

TESTKIT_MAIN(TestLayout)
#include "test_layout.moc"
