// The triangle window: the worked examples, the right triangle at Α = 90°, the law of
// sines over every input, real input on its bars.
#include "testkit.h"
#include "triangle.h"

#include <cmath>

using namespace testkit;
namespace tri = figures::triangle;

namespace {
double num(const rt::Update& u, const char* box) {
    return std::stod(*u.textOf(box));
}
double sinDeg(int d) {
    return std::sin(d * M_PI / 180);
}
// Β's position from the drawing: the end of the first side ΑΒ.
QPointF apex(const rt::Update& u) {
    const auto items = drawnBy(u, 0);
    return {items[0].x2, items[0].y2};
}
} // namespace

class TestTriangle : public QObject {
    Q_OBJECT
  private slots:
    void workedExamples_data() {
        QTest::addColumn<int>("A");
        QTest::addColumn<int>("G");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("B");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("per");
        QTest::addColumn<double>("emb");
        QTest::addColumn<QPointF>("apex");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("equilateral") << 60 << 60 << 6 << " 60°" << 5.196 << 6.0 << 6.0 << 18.0
                                     << 15.588 << QPointF(2100, 1941) << 1.0;
        QTest::newRow("right at B") << 30 << 60 << 4 << " 90°" << 1.732 << 2.0 << 3.464 << 9.464
                                    << 3.464 << QPointF(2100, 2980) << 1.0;
        QTest::newRow("flat") << 1 << 1 << 1 << " 178°" << 0.00873 << 0.5 << 0.5 << 2.0 << 0.004365
                              << QPointF(1350, 3497) << 1.0;
        QTest::newRow("tall") << 90 << 89 << 10 << " 1°" << 572.9 << 572.987 << 572.9 << 1155.9
                              << 2864.9 << QPointF(1200, -168687) << 10.0;
    }
    void workedExamples() {
        QFETCH(int, A);
        QFETCH(int, G);
        QFETCH(int, b);
        QFETCH(double, tolerance);
        const rt::Update u = tri::RefreshFigure({A, G, b});
        QTEST(q(*u.textOf("txtgoniab")), "B");
        QFETCH(double, h);
        QFETCH(double, alpha);
        QFETCH(double, gamma);
        QFETCH(double, per);
        QFETCH(double, emb);
        const double rel = 1e-3;
        QVERIFY(std::abs(num(u, "txtk") - h) <= rel * h + 1e-6);
        QVERIFY(std::abs(num(u, "txtpleuraa") - alpha) <= rel * alpha + 1e-3);
        QVERIFY(std::abs(num(u, "txtpleurag") - gamma) <= rel * gamma + 1e-3);
        QVERIFY(std::abs(num(u, "per") - per) <= rel * per + 1e-3);
        QVERIFY(std::abs(num(u, "emb") - emb) <= rel * emb + 1e-4);
        QFETCH(QPointF, apex);
        const QPointF drawn = ::apex(u);
        QVERIFY2(std::abs(drawn.x() - apex.x()) <= tolerance &&
                     std::abs(drawn.y() - apex.y()) <= tolerance * 100,
                 qPrintable(QString("%1 %2").arg(drawn.x()).arg(drawn.y())));
    }

    void boxesOfTheRightTriangle() {
        // Α = 90°, Γ = 1°, β = 1: the height is tan 1°, not 0.
        const rt::Update u = tri::RefreshFigure({90, 1, 1});
        QCOMPARE(q(*u.textOf("txtk")), QString(" .0174550649282176"));
        QCOMPARE(q(*u.textOf("txtpleurag")), QString(" .0174550649282176"));
        QCOMPARE(q(*u.textOf("txtpleuraa")), QString(" 1.00015232804391"));
        QCOMPARE(q(*u.textOf("per")), QString(" 2.01760739297212"));
        QCOMPARE(q(*u.textOf("emb")), QString(" .00872753246410878"));
        QCOMPARE(q(*u.textOf("txtgoniab")), QString(" 89°"));
    }

    // At Α = 90° the triangle is right-angled at Α: h = β tan Γ, γ = h, α = β / cos Γ.
    void rightTriangleEverywhere() {
        for (int G = 1; G <= 89; ++G)
            for (int b = 1; b <= 10; ++b) {
                const rt::Update u = tri::RefreshFigure({90, G, b});
                const double t = std::tan(G * M_PI / 180);
                const double c = std::cos(G * M_PI / 180);
                const auto close12 = [](double x, double y) {
                    return std::abs(x - y) <= 1e-12 * std::abs(y);
                };
                QVERIFY2(close12(num(u, "txtk"), b * t),
                         qPrintable(QString("G %1 b %2").arg(G).arg(b)));
                QVERIFY(close12(num(u, "txtpleurag"), b * t));
                QVERIFY(close12(num(u, "txtpleuraa"), b / c));
            }
    }

    // Every input: well-formed texts, the law of sines, the drawing closes on Β.
    void everyInput() {
        for (int A = 1; A <= 90; ++A)
            for (int G = 1; G <= 89; ++G)
                for (int b = 1; b <= 10; ++b) {
                    const rt::Update u = tri::RefreshFigure({A, G, b});
                    for (const char* box : {"txtk", "txtpleurag", "txtpleuraa", "per", "emb"})
                        QVERIFY2(wellFormedStr(*u.textOf(box)), u.textOf(box)->c_str());
                    const int B = 180 - A - G;
                    const double k = b / sinDeg(B);
                    const double ka = num(u, "txtpleuraa") / sinDeg(A);
                    const double kg = num(u, "txtpleurag") / sinDeg(G);
                    if (std::abs(ka - k) > 1e-9 * k || std::abs(kg - k) > 1e-9 * k)
                        QFAIL(qPrintable(QString("law of sines at %1 %2 %3").arg(A).arg(G).arg(b)));
                    const auto it = drawnBy(u, 0);
                    // ΑΒ, A, ΑΓ, Γ, ΓΒ, Β
                    if (!(it[0].x2 == it[4].x2 && it[0].y2 == it[4].y2 && it[2].x2 == it[4].x1 &&
                          it[0].x1 == 1200 && it[0].y1 == 3500 && it[2].x2 == 1200 + 300 * b &&
                          it[1].x1 == 1000 && it[1].y1 == 3400 && it[3].x1 == 1300 + 300 * b &&
                          it[3].y1 == 3400 && near(it[5].x1, it[0].x2 + 100.0, 0.5) &&
                          near(it[5].y1, it[0].y2 - 200.0, 0.5)))
                        QFAIL(qPrintable(QString("drawing at %1 %2 %3").arg(A).arg(G).arg(b)));
                }
    }

    void windowWithRealInput() {
        Fixture f;
        desktop::Form& w = f.open("Command5", "Formtri");
        QStringList shown;
        for (const char* box : {"txtgoniaa", "txtgoniag", "txtpleurab", "txtgoniab", "txtpleuraa",
                                "txtpleurag", "txtk", "per", "emb"})
            shown << text(w, box);
        QCOMPARE(shown, (QStringList{"Α", "Γ", "β", "Β", "α", "γ", "h", "(α+β+γ)", "β·h/2"}));
        QCOMPARE(w.textBox("txtgoniaa")->text().at(0).unicode(), 0x391); // Greek Alpha
        QVERIFY(w.window()->items().empty());
        dragThumb(w.scrollBar("hsbgoniaa"), 400);
        QCOMPARE(w.scrollBar("hsbgoniaa")->value(), 90);
        QVERIFY(shows(w, tri::RefreshFigure({90, 1, 1})));
        QCOMPARE(text(w, "txtk"), QString(" .0174550649282176"));
        clickArrow(w.scrollBar("hsbpleurab"), true);
        QVERIFY(shows(w, tri::RefreshFigure({90, 1, 2})));
        keyTo(w.scrollBar("hsbgoniaa"), 60);
        keyTo(w.scrollBar("hsbgoniag"), 60);
        keyTo(w.scrollBar("hsbpleurab"), 6);
        QVERIFY(shows(w, tri::RefreshFigure({60, 60, 6})));
        QCOMPARE(text(w, "txtgoniab"), QString(" 60°"));
    }
};

TESTKIT_MAIN(TestTriangle)
#include "test_triangle.moc"
