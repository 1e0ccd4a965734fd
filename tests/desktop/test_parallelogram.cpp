// The oblique parallelogram window: its table, vertices and letters for every input,
// real input on its bars.
#include "parallelogram.h"
#include "testkit.h"

using namespace testkit;
namespace paral = figures::parallelogram;

class TestParallelogram : public QObject {
    Q_OBJECT
  private slots:
    void table_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("phi");
        QTest::addColumn<QString>("txth");
        QTest::addColumn<QString>("emb");
        QTest::addColumn<QString>("txtper");
        QTest::addColumn<QString>("txtgon");
        QTest::newRow("1 1 0") << 1 << 1 << 0 << " 0"
                               << " 0"
                               << " 4"
                               << " 0°";
        QTest::newRow("1 1 30") << 1 << 1 << 30 << " .5"
                                << " .5"
                                << " 4"
                                << " 30°";
        QTest::newRow("1 1 45") << 1 << 1 << 45 << " .707106781186547"
                                << " .707106781186547"
                                << " 4"
                                << " 45°";
        QTest::newRow("3 5 60") << 3 << 5 << 60 << " 4.33012701892219"
                                << " 12.9903810567666"
                                << " 16"
                                << " 60°";
        QTest::newRow("2 3 1") << 2 << 3 << 1 << " .0523572193118505"
                               << " .104714438623701"
                               << " 10"
                               << " 1°";
        QTest::newRow("10 10 90") << 10 << 10 << 90 << " 10"
                                  << " 100"
                                  << " 40"
                                  << " 90°";
        QTest::newRow("10 10 93") << 10 << 10 << 93 << " 9.98629534754574"
                                  << " 99.8629534754574"
                                  << " 40"
                                  << " 93°";
    }
    void table() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, phi);
        const rt::Update u = paral::RefreshFigure({a, b, phi});
        QTEST(q(*u.textOf("txth")), "txth");
        QTEST(q(*u.textOf("emb")), "emb");
        QTEST(q(*u.textOf("txtper")), "txtper");
        QTEST(q(*u.textOf("txtgon")), "txtgon");
        QCOMPARE(q(*u.textOf("txtpleyrac")), QString(" %1").arg(a));
        QCOMPARE(q(*u.textOf("txtpleyrad")), QString(" %1").arg(b));
    }

    void vertices_data() {
        QTest::addColumn<int>("phi");
        QTest::addColumn<QPointF>("gamma");
        QTest::addColumn<QPointF>("delta");
        QTest::newRow("90") << 90 << QPointF(4800, 200) << QPointF(1500, 200);
        QTest::newRow("93") << 93 << QPointF(4627.29, 204.52) << QPointF(1327.29, 204.52);
        QTest::newRow("0") << 0 << QPointF(8100, 3500) << QPointF(4800, 3500);
    }
    void vertices() {
        QFETCH(int, phi);
        QFETCH(QPointF, gamma);
        QFETCH(QPointF, delta);
        const auto items = drawnBy(paral::RefreshFigure({10, 10, phi}), 0);
        // Α, side, Β, side, Γ, side, Δ, side
        QVERIFY(near(items[3].x2, gamma.x()) && near(items[3].y2, gamma.y()));
        QVERIFY(near(items[7].x1, delta.x()) && near(items[7].y1, delta.y()));
        if (phi == 90) {
            QCOMPARE(QPointF(items[4].x1, items[4].y1), QPointF(4750, 0));
            QCOMPARE(QPointF(items[6].x1, items[6].y1), QPointF(1450, 0));
        }
    }

    // Every input: closed outline, letters at their offsets, texts well formed.
    void everyInput() {
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                for (int phi = 0; phi <= 93; ++phi) {
                    const rt::Update u = paral::RefreshFigure({a, b, phi});
                    for (const char* box : {"txth", "emb", "txtper"})
                        QVERIFY2(wellFormedStr(*u.textOf(box)), u.textOf(box)->c_str());
                    const auto it = drawnBy(u, 0);
                    QCOMPARE(it.size(), std::size_t(8));
                    QVERIFY(closedOutline(it));
                    QVERIFY(it[1].x1 == 1500 && it[1].y1 == 3500 && it[1].x2 == 1500 + 330 * a);
                    QVERIFY(it[0].x1 == 1450 && it[0].y1 == 3550);                            // Α
                    QVERIFY(it[2].x1 == it[1].x2 + 50 && it[2].y1 == 3550);                   // Β
                    QVERIFY(near(it[4].x1, it[3].x2 - 50) && near(it[4].y1, it[3].y2 - 200)); // Γ
                    QVERIFY(near(it[6].x1, it[7].x1 - 50) && near(it[6].y1, it[7].y1 - 200)); // Δ
                    QVERIFY(near(it[3].y2, it[5].y2)); // ΔΓ parallel to the base
                    const double h = std::stod(*u.textOf("txth"));
                    QVERIFY(std::abs((3500 - it[3].y2) - 330 * b * std::sin(phi * M_PI / 180)) <
                            0.01);
                    QVERIFY(std::abs(h - b * std::sin(phi * M_PI / 180)) < 1e-12);
                }
    }

    void dragAndArrow() {
        Fixture f;
        desktop::Form& w = f.open("Command10", "Formparal");
        QCOMPARE(text(w, "txth"), QString("h"));
        clickArrow(w.scrollBar("hsbpleurac"), true);
        keyTo(w.scrollBar("hsbpleurac"), 3);
        dragThumbTo(w.scrollBar("hsbpleurad"), 5);
        keyTo(w.scrollBar("hsbgonia1"), 60);
        QVERIFY(shows(w, paral::RefreshFigure({3, 5, 60})));
        QCOMPARE(text(w, "txth"), QString(" 4.33012701892219"));
        QCOMPARE(text(w, "emb"), QString(" 12.9903810567666"));
        dragThumb(w.scrollBar("hsbgonia1"), 400);
        QCOMPARE(w.scrollBar("hsbgonia1")->value(), 93);
        QVERIFY(shows(w, paral::RefreshFigure({3, 5, 93})));
    }
};

TESTKIT_MAIN(TestParallelogram)
#include "test_parallelogram.moc"
