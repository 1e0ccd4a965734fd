// The line segment window with real drags, under the C and the Greek locale.
#include "segment.h"
#include "testkit.h"

#include <QLocale>
#include <cmath>

using namespace testkit;
namespace seg = figures::segment;

namespace {
std::string sepOf(const QLocale& locale) {
    return locale.decimalPoint().toStdString();
}
const std::string kC = sepOf(QLocale::c());
const std::string kGreek = sepOf(QLocale(QLocale::Greek, QLocale::Greece));

rt::Update both(int length, int direction, const std::string& sep) {
    // The length box comes from the length bar's update, the rest from the direction bar's.
    rt::Update u = seg::hsbdief_Scroll({length, direction}, sep);
    const rt::Update l = seg::hsbmhkos_Scroll({length, direction}, sep);
    u.setText("txtmhkos", *l.textOf("txtmhkos"));
    return u;
}
} // namespace

class TestSegment : public QObject {
    Q_OBJECT
  private slots:
    void locales() {
        QCOMPARE(q(kC), QString("."));
        QCOMPARE(q(kGreek), QString(","));
    }

    void windowWithRealDrags() {
        Fixture f;
        desktop::Form& w = f.open("Command7", "Formline");
        const QStringList design{"(ΑΒ)", "φ βαθμοί", "φ°", "φ° ' \"", "φ rad"};
        QStringList shown;
        for (const char* box : {"txtmhkos", "txtdief4", "txtdief", "txtdief2", "txtdief3"})
            shown << text(w, box);
        QCOMPARE(shown, design);
        QCOMPARE(w.textBox("txtmhkos")->text().at(1).unicode(), 0x391); // Greek capitals

        // First drag on the length bar: txtdief keeps "φ°", the rest show 0.01°.
        dragThumb(w.scrollBar("hsbmhkos"), 60);
        const int length = w.scrollBar("hsbmhkos")->value();
        QVERIFY(length > 1);
        // (Format in the system's language, as the program writes it; Str always ".")
        const std::string sep = f.program.decimalSeparator();
        QCOMPARE(q(sep), testkit::sep());
        QVERIFY(shows(w, seg::hsbmhkos_Scroll({length, 1}, sep)));
        QCOMPARE(text(w, "txtdief"), QString("φ°"));
        QCOMPARE(text(w, "txtdief3"), QString(" 5.55555555555556E-05 π rad"));
        QCOMPARE(text(w, "txtdief2"), "000° 00' 36\"/" + testkit::sep() + "0");

        dragThumb(w.scrollBar("hsbdief"), 80);
        const int direction = w.scrollBar("hsbdief")->value();
        QVERIFY(direction > 1);
        QVERIFY(shows(w, both(length, direction, sep)));
        clickArrow(w.scrollBar("hsbdief"), true);
        QVERIFY(shows(w, seg::hsbdief_Scroll({length, direction + 1}, sep)));
    }

    // Under a Greek system locale Format writes "," and Str keeps ".".
    void greekWindow() {
        RecordingServices services;
        desktop::Program program(services, kGreek);
        program.start();
        QTest::mouseClick(program.form("Form1").control("Command7"), Qt::LeftButton);
        desktop::Form& w = program.form("Formline");
        clickArrow(w.scrollBar("hsbmhkos"), false); // 1 → 0
        clickArrow(w.scrollBar("hsbmhkos"), true);  // 0 → 1
        QCOMPARE(text(w, "txtmhkos"), QString("000,01"));
        QCOMPARE(text(w, "txtdief3"), QString(" 5.55555555555556E-05 π rad"));
        QCOMPARE(text(w, "txtdief2"), QString("000° 00' 36\"/,0"));
        Fixture::settle();
    }
};

TESTKIT_MAIN(TestSegment)
#include "test_segment.moc"
