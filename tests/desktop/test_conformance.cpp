// The conformance table, played on the desktop: every scenario with Qt's real input (a
// mouse click on a button, a key event on the focused control), every expectation read
// back from the widgets and the windows.
#include "testkit.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWindow>

using namespace testkit;

namespace {

QJsonObject table() {
    QFile file(QStringLiteral(SCHIMATIOS_SOURCE_DIR "/tests/conformance/scenarios.json"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no conformance table");
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A key as the program names it, as Qt delivers it.
std::pair<Qt::Key, Qt::KeyboardModifiers> qtKey(const QString& name) {
    const auto press = rt::keyPressNamed(name.toStdString());
    if (!press) qFatal("no key %s", qPrintable(name));
    Qt::KeyboardModifiers m;
    if (press->ctrl) m |= Qt::ControlModifier;
    if (press->shift) m |= Qt::ShiftModifier;
    if (press->alt) m |= Qt::AltModifier;
    static const std::map<rt::Key, Qt::Key> keys{
        {rt::Key::ArrowUp, Qt::Key_Up},       {rt::Key::ArrowDown, Qt::Key_Down},
        {rt::Key::ArrowLeft, Qt::Key_Left},   {rt::Key::ArrowRight, Qt::Key_Right},
        {rt::Key::PageUp, Qt::Key_PageUp},    {rt::Key::PageDown, Qt::Key_PageDown},
        {rt::Key::Home, Qt::Key_Home},        {rt::Key::End, Qt::Key_End},
        {rt::Key::Escape, Qt::Key_Escape},    {rt::Key::Enter, Qt::Key_Return},
        {rt::Key::Space, Qt::Key_Space},      {rt::Key::Tab, Qt::Key_Tab},
        {rt::Key::Equal, Qt::Key_Equal},      {rt::Key::Minus, Qt::Key_Minus},
        {rt::Key::Digit0, Qt::Key_0},         {rt::Key::KeyC, Qt::Key_C},
        {rt::Key::KeyS, Qt::Key_S},           {rt::Key::KeyP, Qt::Key_P},
        {rt::Key::ContextMenu, Qt::Key_Menu}, {rt::Key::F10, Qt::Key_F10},
        {rt::Key::NumpadAdd, Qt::Key_Plus},   {rt::Key::NumpadSubtract, Qt::Key_Minus},
        {rt::Key::Numpad0, Qt::Key_0}};
    if (press->key == rt::Key::NumpadAdd || press->key == rt::Key::NumpadSubtract ||
        press->key == rt::Key::Numpad0)
        m |= Qt::KeypadModifier;
    // Shift+Tab comes as Backtab, as Qt's platforms send it.
    if (press->key == rt::Key::Tab && press->shift) return {Qt::Key_Backtab, m};
    return {keys.at(press->key), m};
}

// Every announcement a window makes, as a screen reader hears it: the announcer shown
// anew with the words as its name.
class Listener : public QObject {
  public:
    Listener() { qApp->installEventFilter(this); }
    ~Listener() override { qApp->removeEventFilter(this); }
    QStringList said;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == QLatin1String("announcer"))
            said << static_cast<QWidget*>(object)->accessibleName();
        return false;
    }
};

// A thumb held down by the mouse, where it is now.
struct Held {
    desktop::ScrollBar* bar = nullptr;
    QPoint at;
};

class Driver {
  public:
    static desktop::Form* holding(Fixture& f, const QString& control) {
        for (desktop::Form* form : f.program.loadedForms())
            if (form->control(control.toStdString())) return form;
        return nullptr;
    }

    // Keys go where the system sends them: the focused control of the active window.
    static QWidget* keyTarget() {
        if (QWidget* focused = QApplication::focusWidget()) return focused;
        return QApplication::activeWindow();
    }

    static void step(Fixture& f, Listener& listener, Held& held, const QJsonObject& s) {
        if (s.contains("hold")) {
            // The thumb pressed and dragged a pixel at a time until the bar reads the value.
            const QJsonArray at = s.value("hold").toArray();
            desktop::Form& form = f.form(at[0].toString().toStdString());
            QApplication::setActiveWindow(form.window()); // a press activates its window
            held.bar = form.scrollBar(at[1].toString().toStdString());
            const int want = at[2].toInt();
            held.at = subControl(held.bar, QStyle::SC_ScrollBarSlider).center();
            QTest::mousePress(held.bar, Qt::LeftButton, Qt::NoModifier, held.at);
            const QPoint way =
                held.bar->orientation() == Qt::Vertical ? QPoint(0, 1) : QPoint(1, 0);
            for (int n = 0; held.bar->value() != want && n < 2000; ++n) {
                held.at += held.bar->value() < want ? way : -way;
                QTest::mouseMove(held.bar, held.at);
            }
            QCOMPARE(held.bar->value(), want);
        } else if (s.contains("release")) {
            QVERIFY2(held.bar, "no thumb held");
            QTest::mouseRelease(held.bar, Qt::LeftButton, Qt::NoModifier, held.at);
            held.bar = nullptr;
        } else if (s.contains("wait")) {
            QTest::qWait(s.value("wait").toInt());
        } else if (s.contains("click")) {
            const QJsonArray at = s.value("click").toArray();
            desktop::Form& form = f.form(at[0].toString().toStdString());
            QVERIFY2(form.isLoaded(), qPrintable(at[0].toString()));
            QTest::mouseClick(form.control(at[1].toString().toStdString()), Qt::LeftButton);
            f.settle();
        } else if (s.contains("focus")) {
            const QJsonArray at = s.value("focus").toArray();
            desktop::Form& form = f.form(at[0].toString().toStdString());
            QApplication::setActiveWindow(form.window());
            form.control(at[1].toString().toStdString())->setFocus(Qt::OtherFocusReason);
        } else if (s.contains("keys")) {
            for (const QJsonValue k : s.value("keys").toArray()) {
                const auto [key, modifiers] = qtKey(k.toString());
                QWidget* target = keyTarget();
                QVERIFY2(target, "no window for the keys");
                QTest::keyClick(target, key, modifiers);
                f.settle();
            }
        } else if (s.contains("expect")) {
            expect(f, listener, s.value("expect").toObject());
        }
    }

    static void expect(Fixture& f, Listener& listener, const QJsonObject& e) {
        if (e.contains("said")) {
            QStringList want;
            for (const QJsonValue v : e.value("said").toArray())
                want << v.toString().replace(".", sep());
            QCOMPARE(listener.said, want);
            listener.said.clear();
        }
        const QJsonObject values = e.value("values").toObject();
        for (auto v = values.begin(); v != values.end(); ++v) {
            desktop::Form* form = holding(f, v.key());
            QVERIFY2(form, qPrintable(v.key()));
            QCOMPARE(form->scrollBar(v.key().toStdString())->value(), v.value().toInt());
        }
        const QJsonObject boxes = e.value("boxes").toObject();
        for (auto b = boxes.begin(); b != boxes.end(); ++b) {
            desktop::Form* form = holding(f, b.key());
            QVERIFY2(form, qPrintable(b.key()));
            QCOMPARE(form->textBox(b.key().toStdString())->text(),
                     b.value().toString().replace(".", sep()));
        }
        if (e.contains("loaded")) {
            QStringList want;
            for (const QJsonValue v : e.value("loaded").toArray())
                want << v.toString();
            want.sort();
            QCOMPARE(f.loaded(), want);
        }
        const QJsonObject above = e.value("above").toObject();
        for (auto a = above.begin(); a != above.end(); ++a) {
            QWidget* dialog = f.form(a.key().toStdString()).window();
            QWidget* worked = f.form(a.value().toString().toStdString()).window();
            QVERIFY(dialog->windowHandle() && worked->windowHandle());
            QCOMPARE(dialog->windowHandle()->transientParent(), worked->windowHandle());
            QVERIFY(!dialog->isModal());
        }
        if (e.contains("focus")) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused, "nothing has the focus");
            QCOMPARE(focused->objectName(), e.value("focus").toString());
        }
    }
};

} // namespace

class TestConformance : public QObject {
    Q_OBJECT
  private slots:
    void scenario_data() {
        QTest::addColumn<QJsonArray>("steps");
        const QJsonObject t = table();
        for (const QJsonValue s : t["scenarios"].toArray()) {
            QTest::newRow(qPrintable(s["name"].toString())) << s["steps"].toArray();
            if (s["zoomed too"].toBool()) {
                QJsonArray zoomed = t["zoom"].toArray();
                for (const QJsonValue step : s["steps"].toArray())
                    zoomed.append(step);
                QTest::newRow(qPrintable(s["name"].toString() + ", zoomed")) << zoomed;
            }
        }
    }
    void scenario() {
        QFETCH(QJsonArray, steps);
        Fixture f;
        Listener listener;
        Held held;
        for (const QJsonValue s : steps) {
            Driver::step(f, listener, held, s.toObject());
            if (QTest::currentTestFailed()) {
                qWarning() << "at step" << s.toObject();
                return;
            }
        }
    }
};

TESTKIT_MAIN(TestConformance)
#include "test_conformance.moc"
