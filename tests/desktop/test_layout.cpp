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
QSize visiblePixels(const rt::FormDesign& design, std::size_t index, int lineHeight) {
    const rt::ControlDesign& label = design.controls[index];
    int right = std::min(label.left + label.width, design.width);
    int bottom = std::min(label.top + label.height, design.height);
    const int lineBottom = label.top + lineHeight * rt::kTwipsPerPixel;
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
    return {(right - label.left) / rt::kTwipsPerPixel, (bottom - label.top) / rt::kTwipsPerPixel};
}

// Whether the UTF-8 text converts to the Greek code page without loss.
bool inCp1253(const std::string& text) {
    iconv_t cd = iconv_open("CP1253", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = text;
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
            QVERIFY2(inCp1253(d.caption), d.caption.c_str());
            for (const rt::ControlDesign& c : d.controls)
                for (const std::string& s : {c.text, c.toolTip, c.accessibleName})
                    QVERIFY2(inCp1253(s), (name + " " + c.name + ": " + s).c_str());
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
        for (const desktop::DrawItem& item : w.window()->items())
            if (item.kind == desktop::DrawItem::Text)
                printed << static_cast<int>(item.text.toUcs4().at(0));
        QCOMPARE(printed, letters);
    }

    // At every scale the windows keep their size in logical pixels and the lines stay
    // crisp: pure white on pure blue, as thick as the scale, never a blurred bitmap.
    void crispAtThisScale() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        QCOMPARE(w.window()->size(), QSize(402, 306));
        keyTo(w.scrollBar("hsbpleyra"), 10);
        const qreal ratio = w.window()->devicePixelRatio();
        qInfo("device pixel ratio %g", ratio);
        QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0);
        const QImage image = w.window()->grab().toImage();
        QCOMPARE(image.size(), (QSizeF(402, 306) * ratio).toSize());
        // The bottom side lies on y = 3500 twips; count the white rows at x = 150 px.
        const int x = static_cast<int>(150 * ratio);
        int white = 0;
        for (int y = 0; y < 3840 / 15 * ratio; ++y) { // down to the boxes
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(c == Qt::white || c == Qt::blue,
                     qPrintable(QString("grey at %1: %2").arg(y).arg(c.name())));
            white += c == Qt::white;
        }
        QCOMPARE(white, 2 * qRound(ratio)); // the top and the bottom side
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("form");
        for (const std::string& name : desktop::Program::formNames())
            QTest::newRow(name.c_str()) << q(name);
    }
    void captionsFit() {
        QFETCH(QString, form);
        RecordingServices services;
        desktop::Program program(services, ".");
        desktop::Form& f = program.form(form.toStdString());
        f.show();
        const rt::FormDesign& d = f.design();
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            if (d.controls[i].kind != rt::ControlKind::Label) continue;
            auto* label = qobject_cast<QLabel*>(f.control(d.controls[i].name));
            const QFontMetrics fm(label->font());
            const QSize visible = visiblePixels(d, i, fm.height());
            const int width = fm.horizontalAdvance(label->text());
            QVERIFY2(width <= visible.width() && fm.height() <= visible.height(),
                     qPrintable(QString("%1 \"%2\" needs %3×%4 px, shows %5×%6")
                                    .arg(q(d.controls[i].name), label->text())
                                    .arg(width)
                                    .arg(fm.height())
                                    .arg(visible.width())
                                    .arg(visible.height())));
        }
        f.unload();
        Fixture::settle();
    }
};

TESTKIT_MAIN(TestLayout)
#include "test_layout.moc"
