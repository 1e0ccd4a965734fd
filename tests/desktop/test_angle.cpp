// The angle window: the second arm for every angle, the text, real input.
#include "angle.h"
#include "testkit.h"

#include <cmath>

using namespace testkit;
namespace angle = figures::angle;

class TestAngle : public QObject {
    Q_OBJECT
  private slots:
    void secondArm_data() {
        QTest::addColumn<int>("V");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("1") << 1 << 4499.543 << 3447.643;
        QTest::newRow("90") << 90 << 1500.0 << 500.0;
        QTest::newRow("120") << 120 << 0.0 << 901.924;
        QTest::newRow("124") << 124 << -177.579 << 1012.887;
    }
    void secondArm() {
        QFETCH(int, V);
        QFETCH(double, x);
        QFETCH(double, y);
        const auto items = drawnBy(angle::update(V), 0);
        QCOMPARE(items.size(), std::size_t(3));
        QVERIFY(near(items[2].x2, x));
        QVERIFY(near(items[2].y2, y));
    }

    // Every angle: the text, both arms from the vertex and 3000 twips long, the letter.
    void everyAngle() {
        for (int V = 1; V <= 124; ++V) {
            const rt::Update u = angle::update(V);
            QCOMPARE(q(*u.textOf("txtgonia")), QString(" %1°").arg(V));
            QCOMPARE(u.steps()[1].kind, rt::Step::Cls);
            const auto items = drawnBy(u, 0);
            using I = desktop::DrawItem;
            QVERIFY(items[0] == (I{I::Line, 1500, 3500, 4500, 3500, 0xFFFFFF, {}}));
            QVERIFY(items[1] == (I{I::Text, 1300, 3500, 0, 0, 0, "A"}));
            QCOMPARE(items[2].x1, 1500.f);
            QCOMPARE(items[2].y1, 3500.f);
            const double arm = std::hypot(items[2].x2 - 1500.0, items[2].y2 - 3500.0);
            QVERIFY2(std::abs(arm - 3000) < 0.01, qPrintable(QString::number(V)));
            // Turned anticlockwise on the screen by V degrees.
            const double turned = std::atan2(3500.0 - items[2].y2, items[2].x2 - 1500.0);
            QVERIFY(std::abs(turned * 180 / M_PI - V) < 1e-4);
        }
    }

    void windowWithRealInput() {
        Fixture f;
        desktop::Form& w = f.open("Command8", "Formangle");
        QCOMPARE(text(w, "txtgonia"), QString("ω"));
        QCOMPARE(w.window()->foreColor(), QApplication::palette().color(QPalette::HighlightedText));
        auto* bar = w.scrollBar("hsbgonia");
        clickArrow(bar, true); // the edge case: one click down shows and draws 2°
        QCOMPARE(text(w, "txtgonia"), QString(" 2°"));
        QVERIFY(shows(w, angle::update(2)));
        dragThumb(bar, 400);
        QCOMPARE(bar->value(), 124);
        QVERIFY(shows(w, angle::update(124)));
        QCOMPARE(qobject_cast<QLabel*>(w.control("Label3(1)"))->text(), QString("Γωνία ω:"));
        QCOMPARE(qobject_cast<QLabel*>(w.control("Label5"))->text(), QString("124°"));
    }
};

TESTKIT_MAIN(TestAngle)
#include "test_angle.moc"
