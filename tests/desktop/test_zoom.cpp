// A teacher enlarges the program for a projector: Ctrl + and Ctrl − step the zoom every
// window shares, Ctrl 0 returns to 1, and a menu or figure window maximised or resized
// shows its whole design at the largest scale that fits, centred.
#include "testkit.h"

#include <QScreen>

using namespace testkit;

namespace {

QSize designSize(const desktop::Form& form, double zoom) {
    return (QSizeF(rt::pixels(form.design().width), rt::pixels(form.design().height)) * zoom)
        .toSize();
}

// Ctrl with a key, as typed in the window that has the focus.
void ctrl(desktop::Form& form, Qt::Key key, Qt::KeyboardModifiers extra = {}) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == form.window() ? focus : form.window(), key,
                    Qt::ControlModifier | extra);
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    void keysStepThroughTheZooms() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        activate(menu);
        struct Press {
            Qt::Key key;
            Qt::KeyboardModifiers extra;
            double zoom;
        };
        const Press presses[] = {
            {Qt::Key_Plus, {}, 1.25},
            {Qt::Key_Equal, {}, 1.5},
            {Qt::Key_Minus, {}, 1.25},
            {Qt::Key_Plus, Qt::KeypadModifier, 1.5},
            {Qt::Key_0, {}, 1},
            {Qt::Key_Minus, {}, 1}, // nothing below 1
            {Qt::Key_Plus, Qt::KeypadModifier, 1.25},
            {Qt::Key_Minus, Qt::KeypadModifier, 1},
            {Qt::Key_Plus, {}, 1.25},
            {Qt::Key_0, Qt::KeypadModifier, 1},
        };
        for (const Press& p : presses) {
            ctrl(menu, p.key, p.extra);
            QCOMPARE(f.program.zoom(), p.zoom);
            QCOMPARE(menu.window()->size(), designSize(menu, p.zoom));
            QCOMPARE(menu.scale(), p.zoom);
        }
    }

    // Set once, the zoom holds for every window opened after: a figure, the credits, the
    // notice, and the menu again.
    void theNextWindowOpensAtTheSameZoom() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        activate(menu);
        ctrl(menu, Qt::Key_Plus);
        ctrl(menu, Qt::Key_Plus);
        QCOMPARE(f.program.zoom(), 1.5);
        desktop::Form& square = f.open("Command2", "Formt");
        QCOMPARE(square.window()->size(), designSize(square, 1.5));
        QCOMPARE(square.scrollBar("hsbpleyra")->geometry().size(),
                 (QSizeF(rt::pixels(255), rt::pixels(3135)) * 1.5).toSize());
        // The drawing and the letters follow: the font is the same face, half as large again.
        QCOMPARE(square.window()->font().family(), QApplication::font().family());
        QCOMPARE(square.window()->font().pixelSize(), 15);
        activate(square);
        ctrl(square, Qt::Key_Minus); // from inside a figure window
        QCOMPARE(square.window()->size(), designSize(square, 1.25));
        QTest::mouseClick(square.control("Command2"), Qt::LeftButton);
        Fixture::settle();
        QCOMPARE(menu.window()->size(), designSize(menu, 1.25));
        QTest::mouseClick(menu.control("Command9"), Qt::LeftButton);
        Fixture::settle();
        desktop::Form& credits = f.form("Formd");
        QCOMPARE(credits.window()->size(), designSize(credits, 1.25));
        QCOMPARE(credits.window()->minimumSize(), credits.window()->maximumSize());
        desktop::Form& trapezium = f.open("Command6", "Formtra");
        clickArrow(trapezium.scrollBar("hsbpleurag"), true); // γ > α: refused
        Fixture::settle();
        desktop::Form& notice = f.form("Formm");
        QVERIFY(notice.isLoaded());
        QCOMPARE(notice.window()->size(), designSize(notice, 1.25));
    }

    // A larger step that would not fit the screen is skipped; no window outgrows it.
    void noWindowOutgrowsItsScreen() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        activate(menu);
        const QSize available = menu.window()->screen()->availableGeometry().size();
        for (int i = 0; i < 8; ++i)
            ctrl(menu, Qt::Key_Plus);
        const double largest = f.program.zoom();
        QVERIFY(designSize(menu, largest).width() <= available.width());
        QVERIFY(designSize(menu, largest).height() <= available.height());
        const auto next =
            std::find(std::begin(rt::kZoomSteps), std::end(rt::kZoomSteps), largest) + 1;
        QVERIFY(next != std::end(rt::kZoomSteps));
        const QSize tooLarge = designSize(menu, *next);
        QVERIFY(tooLarge.width() > available.width() || tooLarge.height() > available.height());
        QCOMPARE(menu.window()->size(), designSize(menu, largest));
        // A figure window opened at that zoom takes the largest that fits it.
        desktop::Form& square = f.open("Command2", "Formt");
        QVERIFY(square.window()->width() <= available.width());
        QVERIFY(square.window()->height() <= available.height());
        QCOMPARE(square.scale() <= largest, true);
    }

    // Maximised, a figure shows its whole design as large as the screen allows, centred on
    // the blue; restored, it is back at the zoom.
    void maximisedFillsTheScreen_data() { figureWindowRows(); }
    void maximisedFillsTheScreen() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        Fixture f;
        desktop::Form& w = f.open(button.toUtf8().constData(), form.toUtf8().constData());
        w.window()->showMaximized();
        const QSize design = designSize(w, 1);
        QTRY_VERIFY(w.window()->isMaximized() && w.window()->width() > design.width());
        const QSize screen = w.window()->size();
        QTRY_COMPARE(w.scale(), std::min(double(screen.width()) / design.width(),
                                         double(screen.height()) / design.height()));
        QVERIFY(w.scale() > 1);
        const QSize shown = designSize(w, w.scale());
        const QPoint origin = w.window()->origin();
        QCOMPARE(origin, QPoint((screen.width() - shown.width()) / 2,
                                (screen.height() - shown.height()) / 2));
        for (const rt::ControlDesign& c : w.design().controls) {
            const QRect r = w.control(c.name)->geometry();
            QVERIFY2(std::abs(r.left() - origin.x() - c.left * w.scale() / 15) <= 0.5 &&
                         std::abs(r.width() - c.width * w.scale() / 15) <= 0.5,
                     std::string(c.name).c_str());
        }
        // Drawn at that scale: the drawing's lines are as wide as the scale, rounded.
        QCOMPARE(w.window()->penWidth(), qRound(w.scale()));
        w.window()->showNormal();
        QTRY_COMPARE(w.window()->size(), design);
        QCOMPARE(w.scale(), 1.0);
        QCOMPARE(w.window()->origin(), QPoint());
    }

    // A window's frame dragged larger: the content scales with it, never below the design.
    void resizedByItsFrame() {
        Fixture f;
        desktop::Form& w = f.open("Command6", "Formtra");
        const QSize design = designSize(w, 1);
        w.window()->resize(design.width() * 2, design.height() * 3);
        QCOMPARE(w.scale(), 2.0); // the width limits it
        QCOMPARE(w.window()->origin(), QPoint(0, design.height() / 2));
        QCOMPARE(w.window()->minimumSize(), design);
        // Back at the zoom: exactly the design's window again.
        w.window()->resize(design);
        QCOMPARE(w.scale(), 1.0);
        QCOMPARE(w.window()->font(), QApplication::font());
    }
};

TESTKIT_MAIN(TestZoom)
#include "test_zoom.moc"
