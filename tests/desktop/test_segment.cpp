// The line segment window: the four notations of its direction under the C and the
// Greek locale, every length and direction, the end points, real drags.
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

    void table_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("txtmhkos");
        QTest::addColumn<QString>("txtdief");
        QTest::addColumn<QString>("txtdief3");
        QTest::addColumn<QString>("txtdief4");
        QTest::newRow("1 1") << 1 << 1 << "000.01"
                             << "000.01°"
                             << " 5.55555555555556E-05 π rad"
                             << " .0111111111111111 βαθμοί";
        QTest::newRow("100 3") << 100 << 3 << "001.00"
                               << "000.03°"
                               << " .000166666666666667 π rad"
                               << " .0333333333333333 βαθμοί";
        QTest::newRow("5000 4550") << 5000 << 4550 << "050.00"
                                   << "045.50°"
                                   << " .252777777777778 π rad"
                                   << " 50.5555555555556 βαθμοί";
        QTest::newRow("2550 9000") << 2550 << 9000 << "025.50"
                                   << "090.00°"
                                   << " .5 π rad"
                                   << " 100 βαθμοί";
        QTest::newRow("777 12345") << 777 << 12345 << "007.77"
                                   << "123.45°"
                                   << " .685833333333333 π rad"
                                   << " 137.166666666667 βαθμοί";
        QTest::newRow("10000 18000") << 10000 << 18000 << "100.00"
                                     << "180.00°"
                                     << " 1 π rad"
                                     << " 200 βαθμοί";
        QTest::newRow("0 0") << 0 << 0 << "000.00"
                             << "000.00°"
                             << " 0 π rad"
                             << " 0 βαθμοί";
    }
    void table() {
        QFETCH(int, length);
        QFETCH(int, direction);
        QFETCH(QString, txtmhkos);
        QFETCH(QString, txtdief);
        QFETCH(QString, txtdief3);
        QFETCH(QString, txtdief4);
        for (const std::string& sep : {kC, kGreek}) {
            const rt::Update u = both(length, direction, sep);
            const QString s = q(sep);
            QCOMPARE(q(*u.textOf("txtmhkos")), QString(txtmhkos).replace(".", s));
            QCOMPARE(q(*u.textOf("txtdief")), QString(txtdief).replace(".", s));
            QCOMPARE(q(*u.textOf("txtdief3")), txtdief3); // Str always writes "."
            QCOMPARE(q(*u.textOf("txtdief4")), txtdief4);
        }
    }

    void degreesMinutesSeconds_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("dms");
        QTest::newRow("0.01") << 1 << "000° 00' 36";
        QTest::newRow("0.03") << 3 << "000° 01' 48";
        QTest::newRow("45.50") << 4550 << "045° 30' 00";
        QTest::newRow("123.45") << 12345 << "123° 27' 00";
        QTest::newRow("180.00") << 18000 << "180° 00' 00";
        QTest::newRow("1.15 (rule 5)") << 115 << "001° 09' 00";
        QTest::newRow("1.13 (rule 6)") << 113 << "001° 07' 48";
        QTest::newRow("0.07 (rule 7)") << 7 << "000° 04' 12";
    }
    void degreesMinutesSeconds() {
        QFETCH(int, direction);
        QFETCH(QString, dms);
        const rt::Update u = both(0, direction, kC);
        QCOMPARE(q(*u.textOf("txtdief2")), dms + "\"/.0");
        QCOMPARE(q(*both(0, direction, kGreek).textOf("txtdief2")), dms + "\"/,0");
    }

    // The three rules each have work to do: without them these values come out wrong.
    void rulesAreNeeded() {
        const auto raw = [](double phi) {
            const double D = std::floor(phi), t = (phi - D) * 3600, M = std::floor(t / 60);
            const double s = t - 60 * M;
            return std::make_tuple(M, std::floor(s), s - std::floor(s));
        };
        auto [M115, S115, F115] = raw(1.15);
        QCOMPARE(S115, 59.0);
        QVERIFY(F115 >= 0.9);
        auto [M113, S113, F113] = raw(1.13);
        QCOMPARE(S113, 47.0);
        QVERIFY(F113 >= 0.9);
        auto [M007, S007, F007] = raw(0.07);
        QVERIFY(F007 > 0 && F007 <= 0.00001);
        const seg::Dms d = seg::degreesMinutesSeconds(1.15);
        QCOMPARE(d.M, 9.0);
        QCOMPARE(d.S, 0.0);
        QCOMPARE(d.F, 0.0);
    }

    // Every direction: exactly its whole degrees, minutes and seconds (36 seconds a step),
    // and the tail is the quotation mark, "/" and Format(Str(F), ".0").
    void everyDirection() {
        for (const std::string& sep : {kC, kGreek}) {
            const QString tail = "\"/" + q(sep == kC ? ".0" : ",0");
            for (int v = 0; v <= 18000; ++v) {
                const int seconds = v * 36;
                const QString expected = QString("%1° %2' %3")
                                             .arg(seconds / 3600, 3, 10, QChar('0'))
                                             .arg(seconds / 60 % 60, 2, 10, QChar('0'))
                                             .arg(seconds % 60, 2, 10, QChar('0')) +
                                         tail;
                rt::Update u;
                seg::DrawSegment({5000, v}, sep, u);
                if (q(*u.textOf("txtdief2")) != expected)
                    QFAIL(qPrintable(QString("%1: %2").arg(v).arg(q(*u.textOf("txtdief2")))));
                if (!wellFormedStr(
                        u.textOf("txtdief3")->substr(0, u.textOf("txtdief3")->find(" π"))))
                    QFAIL(qPrintable(QString("txtdief3 at %1").arg(v)));
                if (!wellFormedStr(
                        u.textOf("txtdief4")->substr(0, u.textOf("txtdief4")->find(" β"))))
                    QFAIL(qPrintable(QString("txtdief4 at %1").arg(v)));
            }
        }
    }

    void everyLength() {
        for (int v = 0; v <= 10000; ++v) {
            const QString expected =
                QString("%1.%2").arg(v / 100, 3, 10, QChar('0')).arg(v % 100, 2, 10, QChar('0'));
            const QString shown = q(*seg::hsbmhkos_Scroll({v, 0}, kC).textOf("txtmhkos"));
            if (shown != expected) QFAIL(qPrintable(QString("%1: %2").arg(v).arg(shown)));
        }
    }

    void endPoints_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPointF>("B");
        QTest::addColumn<QPointF>("A");
        QTest::addColumn<QPointF>("letterB");
        QTest::addColumn<QPointF>("letterA");
        QTest::newRow("100 at 0°") << 10000 << 0 << QPointF(4800, 1990) << QPointF(1200, 1990)
                                   << QPointF(4900, 1780) << QPointF(990, 1780);
        QTest::newRow("100 at 90°") << 10000 << 9000 << QPointF(3000, 190) << QPointF(3000, 3790)
                                    << QPointF(3100, -20) << QPointF(2790, 3580);
        QTest::newRow("100 at 180°") << 10000 << 18000 << QPointF(1200, 1990) << QPointF(4800, 1990)
                                     << QPointF(1300, 1780) << QPointF(4590, 1780);
        QTest::newRow("0") << 0 << 4550 << QPointF(3000, 1990) << QPointF(3000, 1990)
                           << QPointF(3100, 1780) << QPointF(2790, 1780);
    }
    void endPoints() {
        QFETCH(int, length);
        QFETCH(int, direction);
        QFETCH(QPointF, B);
        QFETCH(QPointF, A);
        QFETCH(QPointF, letterB);
        QFETCH(QPointF, letterA);
        const auto it = drawnBy(both(length, direction, kC), 0);
        QCOMPARE(it.size(), std::size_t(5));
        using I = desktop::DrawItem;
        QVERIFY(it[0].kind == I::Text && it[0].text == "B");
        QVERIFY(near(it[0].x1, letterB.x()) && near(it[0].y1, letterB.y()));
        QVERIFY(it[1].kind == I::Line && near(it[1].x1, B.x()) && near(it[1].y1, B.y()) &&
                near(it[1].x2, A.x()) && near(it[1].y2, A.y()));
        QVERIFY(it[2].kind == I::Circle && it[2].x1 == it[1].x1 && it[2].y1 == it[1].y1 &&
                it[2].x2 == 25);
        QVERIFY(it[3].kind == I::Circle && it[3].x1 == it[1].x2 && it[3].y1 == it[1].y2 &&
                it[3].x2 == 25);
        QCOMPARE(it[3].colour, 0xFFFFFFu);
        QVERIFY(it[4].kind == I::Text && it[4].text == "A");
        QVERIFY(near(it[4].x1, letterA.x()) && near(it[4].y1, letterA.y()));
    }

    // Every length at four directions and every direction at four lengths: the end
    // circles sit on the segment's ends, the letters at their offsets, the segment is
    // centred and as long as it says, and the texts are well formed.
    void geometryEverywhere() {
        std::vector<std::pair<int, int>> inputs;
        for (int direction : {0, 4550, 9000, 18000})
            for (int length = 0; length <= 10000; ++length)
                inputs.emplace_back(length, direction);
        for (int length : {0, 1, 5000, 10000})
            for (int direction = 0; direction <= 18000; ++direction)
                inputs.emplace_back(length, direction);
        for (const auto& [length, direction] : inputs) {
            const rt::Update u = both(length, direction, kC);
            const auto it = drawnBy(u, 0);
            const double half = length / 100.0 / 2 * 36;
            const double midX = (it[1].x1 + it[1].x2) / 2.0, midY = (it[1].y1 + it[1].y2) / 2.0;
            const double span = std::hypot(it[1].x1 - it[1].x2, it[1].y1 - it[1].y2);
            const bool ok =
                it.size() == 5 && it[2].x1 == it[1].x1 && it[2].y1 == it[1].y1 &&
                it[3].x1 == it[1].x2 && it[3].y1 == it[1].y2 && it[2].x2 == 25 && it[3].x2 == 25 &&
                near(it[0].x1, it[1].x1 + 100.0) && near(it[0].y1, it[1].y1 - 210.0) &&
                near(it[4].x1, it[1].x2 - 210.0) && near(it[4].y1, it[1].y2 - 210.0) &&
                std::abs(midX - 3000) < 0.01 && std::abs(midY - 1990) < 0.01 &&
                std::abs(span - 2 * half) < 0.01 &&
                wellFormedStr(u.textOf("txtdief3")->substr(0, u.textOf("txtdief3")->find(" π"))) &&
                wellFormedStr(u.textOf("txtdief4")->substr(0, u.textOf("txtdief4")->find(" β")));
            if (!ok)
                QFAIL(qPrintable(QString("length %1, direction %2").arg(length).arg(direction)));
        }
    }

    // The segment never reaches the boxes, whose tops are at y = 3840.
    void staysAboveTheBoxes() {
        for (int length = 0; length <= 10000; length += 250)
            for (int direction = 0; direction <= 18000; direction += 25) {
                rt::Update u;
                seg::DrawSegment({length, direction}, kC, u);
                const auto it = drawnBy(u, 0);
                const float lowest = std::max(it[1].y1, it[1].y2) + it[2].x2;
                QVERIFY(lowest < 3840);
            }
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
        QVERIFY(shows(w, seg::hsbmhkos_Scroll({length, 1}, ".")));
        QCOMPARE(text(w, "txtdief"), QString("φ°"));
        QCOMPARE(text(w, "txtdief3"), QString(" 5.55555555555556E-05 π rad"));
        QCOMPARE(text(w, "txtdief2"), QString("000° 00' 36\"/.0"));

        dragThumb(w.scrollBar("hsbdief"), 80);
        const int direction = w.scrollBar("hsbdief")->value();
        QVERIFY(direction > 1);
        QVERIFY(shows(w, both(length, direction, ".")));
        clickArrow(w.scrollBar("hsbdief"), true);
        QVERIFY(shows(w, seg::hsbdief_Scroll({length, direction + 1}, ".")));
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
