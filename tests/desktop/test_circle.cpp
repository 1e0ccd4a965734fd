// The circle window: the table of texts for every radius, the drawing, real input.
#include "circle.h"
#include "testkit.h"

using namespace testkit;
namespace circle = figures::circle;

class TestCircle : public QObject {
    Q_OBJECT
  private slots:
    void table_data() {
        QTest::addColumn<int>("R");
        QTest::addColumn<QString>("per");
        QTest::addColumn<QString>("emb");
        QTest::newRow("1") << 1 << " 6.28318530717958"
                           << " 3.14159265358979";
        QTest::newRow("2") << 2 << " 12.5663706143592"
                           << " 12.5663706143592";
        QTest::newRow("3") << 3 << " 18.8495559215387"
                           << " 28.2743338823081";
        QTest::newRow("4") << 4 << " 25.1327412287183"
                           << " 50.2654824574366";
        QTest::newRow("5") << 5 << " 31.4159265358979"
                           << " 78.5398163397447";
        QTest::newRow("6") << 6 << " 37.6991118430775"
                           << " 113.097335529232";
        QTest::newRow("7") << 7 << " 43.9822971502571"
                           << " 153.9380400259";
        QTest::newRow("8") << 8 << " 50.2654824574366"
                           << " 201.061929829747";
        QTest::newRow("9") << 9 << " 56.5486677646162"
                           << " 254.469004940773";
        QTest::newRow("10") << 10 << " 62.8318530717958"
                            << " 314.159265358979";
    }
    void table() {
        QFETCH(int, R);
        QFETCH(QString, per);
        QFETCH(QString, emb);
        const rt::Update u = circle::update(R);
        QCOMPARE(q(*u.textOf("txtR")), QString(" %1").arg(R));
        QCOMPARE(q(*u.textOf("per")), per);
        QCOMPARE(q(*u.textOf("emb")), emb);
        QVERIFY(wellFormedStr(*u.textOf("per")));
        QVERIFY(wellFormedStr(*u.textOf("emb")));

        using I = desktop::DrawItem;
        const std::vector<I> expected{
            {I::Text, 3000, 1800, 0, 0, 0xE0E0E0, "K"},
            {I::Circle, 3000, 2000, 10, 0, 0xFFFFFF, {}},
            {I::Circle, 3000, 2000, 120.f * R, 0, 0xFFFFFF, {}},
        };
        QVERIFY(drawnBy(u, 0xE0E0E0) == expected);
        QCOMPARE(u.steps()[3].kind, rt::Step::Cls);
    }

    void dragAndArrow() {
        Fixture f;
        desktop::Form& w = f.open("Command1", "Formk");
        QCOMPARE(text(w, "txtR"), QString("R"));
        QCOMPARE(text(w, "per"), QString("2·π·R"));
        QCOMPARE(text(w, "emb"), QString("π·R^2"));
        auto* bar = w.scrollBar("hsbR");
        dragThumbTo(bar, 7);
        QVERIFY(shows(w, circle::update(7)));
        QCOMPARE(text(w, "emb"), QString(" 153.9380400259"));
        clickArrow(bar, true);
        QVERIFY(shows(w, circle::update(8)));
        QCOMPARE(w.window()->items().back().x2, 960.f);
    }
};

TESTKIT_MAIN(TestCircle)
#include "test_circle.moc"
