// The square window with real input on its bar: drags, arrows, keys, the trough, the wheel.
#include "square.h"
#include "testkit.h"

#include <QScreen>

using namespace testkit;
namespace square = figures::square;

class TestSquare : public QObject {
    Q_OBJECT
  private slots:

    // Each step of a real drag updates the window to the value under the thumb.
    void dragUpdatesOnEveryStep() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        auto* bar = w.scrollBar("hsbpleyra");
        const QPoint start = subControl(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
        QSet<int> values;
        for (int dy = 1; dy < 260; ++dy) {
            QTest::mouseMove(bar, start + QPoint(0, dy));
            if (bar->value() > 1) {
                values.insert(bar->value());
                QString why;
                QVERIFY2(shows(w, square::update(bar->value()), &why), qPrintable(why));
            }
        }
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 259));
        QCOMPARE(values.size(), 9); // 2..10, each seen while the thumb was held
        QCOMPARE(text(w, "txtpleyra"), QString(" 10"));
        QCOMPARE(text(w, "per"), QString(" 40"));
        QCOMPARE(text(w, "emb"), QString(" 100"));
        QCOMPARE(w.window()->items()[3].kind, rt::Drawn::Line); // the top, the last line drawn
        QCOMPARE(w.window()->items()[3].x2, 4200.f);
        QCOMPARE(w.window()->items()[3].y2, 500.f);
    }

    void topArrowAtMinimumFiresNothing() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        clickArrow(w.scrollBar("hsbpleyra"), false);
        QVERIFY(w.window()->items().empty());
        QCOMPARE(text(w, "txtpleyra"), QString("α"));
        clickArrow(w.scrollBar("hsbpleyra"), true);
        QVERIFY(shows(w, square::update(2)));
        clickArrow(w.scrollBar("hsbpleyra"), false);
        QVERIFY(shows(w, square::update(1)));
        QCOMPARE(text(w, "emb"), QString(" 1"));
    }

    void keysTroughAndWheelUpdate() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        auto* bar = w.scrollBar("hsbpleyra");
        keyTo(bar, 7);
        QVERIFY(shows(w, square::update(7)));
        clickTrough(bar, true);
        QVERIFY(shows(w, square::update(8)));
        QCOMPARE(f.services.beeps, 1); // the menu's button only
    }

    // What reaches the screen: a smaller square leaves no trace of the larger one.
    void screenKeepsNoStaleLines() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        QVERIFY(QTest::qWaitForWindowExposed(w.window()));
        auto* bar = w.scrollBar("hsbpleyra");
        keyTo(bar, 10);
        QCoreApplication::processEvents();
        const auto grab = [&] {
            return w.window()->screen()->grabWindow(w.window()->winId()).toImage();
        };
        QImage big = grab();
        QCOMPARE(big.pixelColor(200, 500 / 15), QColor(Qt::white)); // top side at y = 500
        keyTo(bar, 1);
        QCoreApplication::processEvents();
        QImage small = grab();
        QCOMPARE(small.pixelColor(200, 500 / 15), QColor(Qt::blue));
        QCOMPARE(small.pixelColor(90, 3200 / 15), QColor(Qt::white)); // top side at y = 3200
    }

    void design() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        const QStringList labels{"ΠΛΕΥΡΑ α:", "1", "10", "ΠΛΕΥΡΑ α:", "ΠΕΡΙΜΕΤΡΟΣ:", "ΕΜΒΑΔΟ:"};
        QStringList shown;
        for (const char* name : {"Label3(1)", "Label4", "Label5", "Label3(0)", "Label1", "Label2"})
            shown << qobject_cast<QLabel*>(w.control(name))->text();
        QCOMPARE(shown, labels);
        QCOMPARE(w.control("hsbpleyra")->geometry(), QRect(16, 24, 17, 209));
        QCOMPARE(w.scrollBar("hsbpleyra")->minimum(), 1);
        QCOMPARE(w.scrollBar("hsbpleyra")->maximum(), 10);
        QCOMPARE(w.window()->foreColor(), QColor(224, 224, 224));
        activate(w);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtpleyra"));
        QStringList order;
        for (int i = 0; i < 4; ++i)
            order << tab()->objectName();
        QCOMPARE(order, (QStringList{"hsbpleyra", "per", "emb", "Command2"}));
    }
};

TESTKIT_MAIN(TestSquare)
#include "test_square.moc"
