// The rectangle window: texts and vertices, every input, real input on both bars.
#include "rectangle.h"
#include "testkit.h"

using namespace testkit;
namespace rectangle = figures::rectangle;

class TestRectangle : public QObject {
    Q_OBJECT
  private slots:
    void table_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("emb");
        QTest::addColumn<QString>("per");
        QTest::addColumn<QPointF>("gamma");
        QTest::addColumn<QPointF>("gammaLetter");
        QTest::newRow("1 1") << 1 << 1 << " 1"
                             << " 4" << QPointF(1500, 3200) << QPointF(1500, 3000);
        QTest::newRow("7 3") << 7 << 3 << " 21"
                             << " 20" << QPointF(3300, 2600) << QPointF(3300, 2400);
        QTest::newRow("10 10") << 10 << 10 << " 100"
                               << " 40" << QPointF(4200, 500) << QPointF(4200, 300);
    }
    void table() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, emb);
        QFETCH(QString, per);
        QFETCH(QPointF, gamma);
        QFETCH(QPointF, gammaLetter);
        const rt::Update u = rectangle::DrawRectangle(a, b);
        QCOMPARE(q(*u.textOf("txtpleyraa")), QString(" %1").arg(a));
        QCOMPARE(q(*u.textOf("txtpleyrab")), QString(" %1").arg(b));
        QCOMPARE(q(*u.textOf("emb")), emb);
        QCOMPARE(q(*u.textOf("per")), per);
        const auto items = drawnBy(u, 0);
        QCOMPARE(QPointF(items[3].x2, items[3].y2), gamma); // Β to Γ
        QCOMPARE(QPointF(items[4].x1, items[4].y1), gammaLetter);
        QCOMPARE(items[6].text, QString("Δ"));
        QCOMPARE(QPointF(items[6].x1, items[6].y1), QPointF(1200, gammaLetter.y()));
    }

    void everyInput() {
        using I = desktop::DrawItem;
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b) {
                const auto items = drawnBy(rectangle::DrawRectangle(a, b), 0);
                const float Bx = 1200.f + 300 * a, top = 3500.f - 300 * b;
                const std::vector<I> expected{
                    {I::Text, 1200, 3500, 0, 0, 0, "Α"},
                    {I::Line, 1200, 3500, Bx, 3500, 0xFFFFFF, {}},
                    {I::Text, Bx, 3500, 0, 0, 0, "Β"},
                    {I::Line, Bx, 3500, Bx, top, 0xFFFFFF, {}},
                    {I::Text, Bx, top - 200, 0, 0, 0, "Γ"},
                    {I::Line, 1200, 3500, 1200, top, 0xFFFFFF, {}},
                    {I::Text, 1200, top - 200, 0, 0, 0, "Δ"},
                    {I::Line, 1200, top, Bx, top, 0xFFFFFF, {}},
                };
                QVERIFY(items == expected);
                QVERIFY(closedOutline(items));
                for (const auto& item : items) // inside the client area
                    QVERIFY(item.x1 >= 0 && item.x1 <= 6030 && item.y1 >= 0 && item.y1 <= 4590);
            }
    }

    // An arrow on one bar then a drag on the other: both values show.
    void arrowThenDrag() {
        Fixture f;
        desktop::Form& w = f.open("Command3", "Formo");
        clickArrow(w.scrollBar("hsbpleyraa"), true);
        QVERIFY(shows(w, rectangle::DrawRectangle(2, 1)));
        dragThumbTo(w.scrollBar("hsbpleyrab"), 6);
        QVERIFY(shows(w, rectangle::DrawRectangle(2, 6)));
        QCOMPARE(text(w, "emb"), QString(" 12"));
        QCOMPARE(text(w, "per"), QString(" 16"));
    }
};

TESTKIT_MAIN(TestRectangle)
#include "test_rectangle.moc"
