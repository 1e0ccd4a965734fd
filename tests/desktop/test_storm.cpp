// A seeded random walk through the real program: clicks anywhere, thumb drags of any
// length and speed, arrows, troughs, keys, the wheel, close boxes, the credits and the
// notice, back and forth between the menu and the figures. After every event the
// program must be in a valid state and every figure window must show exactly what its
// computation gives for its bars.
// The long run (Qt Test stops any test function after 5 minutes unless told otherwise):
//   STORM_EVENTS=500000 QTEST_FUNCTION_TIMEOUT=3600000 build/default/tests/test_storm
#include "angle.h"
#include "circle.h"
#include "parallelogram.h"
#include "rectangle.h"
#include "segment.h"
#include "square.h"
#include "testkit.h"
#include "trapezium.h"
#include "triangle.h"

#include <QWheelEvent>
#include <optional>
#include <random>

using namespace testkit;
namespace fg = figures;

namespace {

const char* const kFigures[] = {"Formt",   "Formk",   "Formo",    "Formparal",
                                "Formtri", "Formtra", "Formline", "Formangle"};

// What the window must show for its current bars: one update per bar whose handler
// writes its own boxes (the segment), or the window's single update.
std::vector<rt::Update> expected(desktop::Form& w,
                                 const std::optional<fg::trapezium::Bars>& accepted) {
    const auto v = [&](const char* bar) { return w.scrollBar(bar)->value(); };
    const std::string n(w.design().name);
    if (n == "Formt") return {fg::square::update(v("hsbpleyra"))};
    if (n == "Formk") return {fg::circle::update(v("hsbR"))};
    if (n == "Formangle") return {fg::angle::update(v("hsbgonia"))};
    if (n == "Formo") return {fg::rectangle::DrawRectangle(v("hsbpleyraa"), v("hsbpleyrab"))};
    if (n == "Formparal")
        return {
            fg::parallelogram::RefreshFigure({v("hsbpleurac"), v("hsbpleurad"), v("hsbgonia1")})};
    if (n == "Formtri")
        return {fg::triangle::RefreshFigure({v("hsbgoniaa"), v("hsbgoniag"), v("hsbpleurab")})};
    if (n == "Formline") {
        const fg::segment::Bars b{v("hsbmhkos"), v("hsbdief")};
        return {fg::segment::hsbmhkos_Scroll(b, "."), fg::segment::hsbdief_Scroll(b, ".")};
    }
    // The trapezium: the inputs follow the bars; results and drawing the last accepted.
    const fg::trapezium::Bars now{v("hsbgoniaa"), v("hsbgoniab"), v("hsbpleuraa"), v("hsbpleurag")};
    std::vector<rt::Update> out{fg::trapezium::RefreshFigure(now)};
    if (accepted) out.push_back(fg::trapezium::RefreshFigure(*accepted));
    return out;
}

class Storm {
  public:
    explicit Storm(unsigned seed) : rng_(seed) { restart(); }

    // One random event; returns what it was, for the failure message.
    QString step() {
        std::vector<desktop::Form*> loaded = program_->loadedForms();
        desktop::Form& w = *loaded[pick(loaded.size())];
        QWidget* window = w.window();
        const QList<desktop::ScrollBar*> bars = window->findChildren<desktop::ScrollBar*>();
        const int kind = static_cast<int>(pick(100));
        if (kind < 30 && !bars.empty()) {
            auto* bar = bars[static_cast<qsizetype>(pick(static_cast<std::size_t>(bars.size())))];
            const int dy = static_cast<int>(pick(500)) - 250;
            const int steps = 1 + static_cast<int>(pick(40));
            dragThumb(bar, dy, steps);
            return QString("drag %1 on %2 by %3 in %4")
                .arg(bar->objectName(), w.name())
                .arg(dy)
                .arg(steps);
        }
        if (kind < 45 && !bars.empty()) {
            auto* bar = bars[static_cast<qsizetype>(pick(static_cast<std::size_t>(bars.size())))];
            const bool down = pick(3) > 0;
            if (pick(2))
                clickArrow(bar, down);
            else
                clickTrough(bar, down);
            return QString("arrow/trough %1 on %2").arg(bar->objectName(), w.name());
        }
        if (kind < 55 && !bars.empty()) {
            auto* bar = bars[static_cast<qsizetype>(pick(static_cast<std::size_t>(bars.size())))];
            const QPointF at(8, 50);
            QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, pick(2) ? 120 : -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
            return QString("wheel %1 on %2").arg(bar->objectName(), w.name());
        }
        if (kind < 70) {
            static const Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down,    Qt::Key_PageUp,
                                           Qt::Key_PageDown, Qt::Key_Home,    Qt::Key_End,
                                           Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Space};
            const Qt::Key key = keys[pick(std::size(keys))];
            QWidget* target = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyClick(target, key);
            return QString("key %1 on %2").arg(key).arg(w.name());
        }
        if (kind < 99) {
            const QPoint at(static_cast<int>(pick(window->width())),
                            static_cast<int>(pick(window->height())));
            QWidget* child = window->childAt(at);
            QWidget* target = child ? child : window;
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, at));
            return QString("click %1 at %2,%3 in %4")
                .arg(target->objectName())
                .arg(at.x())
                .arg(at.y())
                .arg(w.name());
        }
        window->close();
        return QString("close box of %1").arg(w.name());
    }

    // Empty when the program is in a valid state, otherwise what is wrong.
    QString check() {
        Fixture::settle();
        if (services_->ends > 0 || program_->loadedForms().empty()) {
            if (services_->ends == 0) return "every window is gone but the program did not end";
            restart();
            return {};
        }
        if (!services_->errors.empty()) return "a runtime error was reported";
        int menuOrFigures = 0;
        for (desktop::Form* f : program_->loadedForms()) {
            const QString n = f->name();
            if (n != "Formd" && n != "Formm") ++menuOrFigures;
            if (!f->window()->isVisible()) return n + " is loaded but not shown";
        }
        if (menuOrFigures > 1) return "more than one of the menu and the figures is loaded";
        QMap<QString, int> visible;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !top->objectName().isEmpty()) ++visible[top->objectName()];
        for (auto it = visible.cbegin(); it != visible.cend(); ++it)
            if (it.value() > 1) return QString("%1 windows of %2").arg(it.value()).arg(it.key());

        for (const char* name : kFigures) {
            desktop::Form& w = program_->form(name);
            if (!w.isLoaded()) continue;
            if (QString(name) == "Formtra" && w.window() != watched_) watchTrapezium(w);
            if (QString why = checkWindow(w); !why.isEmpty()) return w.name() + ": " + why;
        }
        return {};
    }

  private:
    // Follows every value the trapezium's bars take, even in the middle of a drag, to
    // know the last input it accepted.
    void watchTrapezium(desktop::Form& w) {
        watched_ = w.window();
        accepted_.reset();
        for (const char* bar : {"hsbgoniaa", "hsbgoniab", "hsbpleuraa", "hsbpleurag"})
            QObject::connect(w.scrollBar(bar), &QAbstractSlider::valueChanged, w.window(),
                             [this, &w] {
                                 const fg::trapezium::Bars now{w.scrollBar("hsbgoniaa")->value(),
                                                               w.scrollBar("hsbgoniab")->value(),
                                                               w.scrollBar("hsbpleuraa")->value(),
                                                               w.scrollBar("hsbpleurag")->value()};
                                 if (now.a > now.g) accepted_ = now;
                             });
    }

    QString checkWindow(desktop::Form& w) {
        const std::vector<rt::Update> updates = expected(w, accepted_);
        for (const rt::ControlDesign& c : w.design().controls) {
            if (c.kind != rt::ControlKind::TextBox) continue;
            const QString shown = w.textBox(c.name)->text();
            bool ok = shown == q(c.text);
            for (const rt::Update& u : updates)
                ok = ok ||
                     (u.textOf(std::string(c.name)) && shown == q(*u.textOf(std::string(c.name))));
            if (!ok) return QString("%1 shows '%2'").arg(q(c.name), shown);
        }
        const auto& items = w.window()->items();
        if (items.empty()) return {};
        for (const rt::Update& u : updates)
            if (items == rt::drawnBy(u, w.window()->foreColor().rgb() & 0xFFFFFF)) return {};
        return "the surface does not hold the current figure";
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    void restart() {
        program_.reset();
        Fixture::settle();
        services_ = std::make_unique<RecordingServices>();
        program_ = std::make_unique<desktop::Program>(*services_, ".");
        program_->start();
        accepted_.reset();
        watched_ = nullptr;
        ++programs;
    }

    std::mt19937 rng_;
    std::unique_ptr<RecordingServices> services_;
    std::unique_ptr<desktop::Program> program_;
    std::optional<fg::trapezium::Bars> accepted_;
    QPointer<QWidget> watched_;

  public:
    int programs = 0;
};

} // namespace

QtMessageHandler testHandler = nullptr;
// The offscreen platform cannot raise a window that is shown again and says so each time.
void quiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()"))
        testHandler(type, context, message);
}

class TestStorm : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(quiet); }
    void cleanupTestCase() { qInstallMessageHandler(testHandler); }

    void randomWalk() {
        const unsigned seed = qEnvironmentVariableIsSet("STORM_SEED")
                                  ? qEnvironmentVariableIntValue("STORM_SEED")
                                  : 20261208u;
        const int events = qEnvironmentVariableIsSet("STORM_EVENTS")
                               ? qEnvironmentVariableIntValue("STORM_EVENTS")
                               : 20000;
        Storm storm(seed);
        for (int i = 0; i < events; ++i) {
            const QString event = storm.step();
            const QString why = storm.check();
            if (!why.isEmpty())
                QFAIL(qPrintable(
                    QString("seed %1, event %2 (%3): %4").arg(seed).arg(i).arg(event, why)));
        }
        qInfo("%d events, %d programs", events, storm.programs);
        QVERIFY(storm.programs > 1); // the walk did reach End or the last close box
    }
};

TESTKIT_MAIN(TestStorm)
#include "test_storm.moc"
