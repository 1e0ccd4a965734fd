// What a student sees of each window's design: every caption fits the visible part of
// its label, the texts are all in the Greek code page, and every look-alike letter is
// the one its design names.
#include "testkit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringDecoder>

using namespace testkit;

namespace {

QRect twips(const rt::ControlDesign& c) { return {c.left, c.top, c.width, c.height}; }

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
        if (j == index || !above || !twips(label).intersects(twips(other)))
            continue;
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

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void theFontIsInstalled() {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QString("DejaVu Sans Condensed"));
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("form");
        for (const std::string& name : app::Program::formNames())
            QTest::newRow(name.c_str()) << q(name);
    }
    void captionsFit() {
        QFETCH(QString, form);
        RecordingServices services;
        app::Program program(services, ".");
        rt::Form& f = program.form(form.toStdString());
        f.show();
        const rt::FormDesign& d = f.design();
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            if (d.controls[i].kind != rt::ControlKind::Label)
                continue;
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
