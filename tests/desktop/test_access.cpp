// A keyboard-only student and a screen reader: every window can be worked with the keys
// alone, every reachable control has a Greek name to speak, values are exposed, and the
// context menus speak Greek (or do not appear).
#include "testkit.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

using namespace testkit;

namespace {

QString spokenName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Presses a key on whatever has the focus.
void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
  private slots:
    void keyboardOnly_data() { figureWindowRows(); }
    // From the menu to the window and back with Tab, Space and the bar keys alone;
    // every result box gets filled on the way.
    void keyboardOnly() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        activate(menu);
        for (int i = 0; i < 12 && QApplication::focusWidget() != menu.control(button.toStdString());
             ++i)
            tab();
        QCOMPARE(QApplication::focusWidget(), menu.control(button.toStdString()));
        QVERIFY(!spokenName(QApplication::focusWidget()).isEmpty());
        press(Qt::Key_Space);
        Fixture::settle();
        desktop::Form& w = f.form(form.toStdString());
        QVERIFY(w.isLoaded());
        activate(w);

        // Tab visits every bar, box and button once, each with a name to speak.
        QSet<QWidget*> visited;
        QWidget* back = nullptr;
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (visited.contains(focus)) break;
            visited.insert(focus);
            QVERIFY2(!spokenName(focus).isEmpty(), qPrintable(focus->objectName()));
            QVERIFY(focus->window() == w.window());
            if (auto* bar = qobject_cast<QScrollBar*>(focus)) {
                press(Qt::Key_End); // every bar to its end...
                QCOMPARE(bar->value(), bar->maximum());
                press(Qt::Key_PageUp); // ...and one step back, so each value is a change
                press(Qt::Key_Down);
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
                const double step = rt::unitStep(static_cast<desktop::ScrollBar*>(bar)->unit());
                QCOMPARE(iface->valueInterface()->currentValue().toDouble(), bar->value() * step);
            }
            if (qobject_cast<QPushButton*>(focus)) back = focus;
            tab();
        }
        int reachable = 0;
        for (const rt::ControlDesign& c : w.design().controls)
            reachable += c.kind != rt::ControlKind::Label;
        QCOMPARE(visited.size(), reachable);

        // Every box now shows a number, not its design text.
        for (const rt::ControlDesign& c : w.design().controls) {
            if (c.kind != rt::ControlKind::TextBox) continue;
            const std::string name(c.name);
            QVERIFY2(text(w, name.c_str()) != q(c.text), name.c_str());
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.textBox(c.name));
            QCOMPARE(iface->text(QAccessible::Value), text(w, name.c_str()));
        }

        // Enter on the back button returns to the menu.
        back->setFocus();
        press(Qt::Key_Enter);
        Fixture::settle();
        QCOMPARE(f.loaded(), QStringList{"Form1"});
    }

    void spokenNames_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("triangle angle bar") << "Formtri"
                                            << "hsbgoniaa"
                                            << "ΓΩΝΙΑ Α:";
        QTest::newRow("rectangle side bar") << "Formo"
                                            << "hsbpleyrab"
                                            << "ΠΛΕΥΡΑ β:";
        QTest::newRow("segment length bar") << "Formline"
                                            << "hsbmhkos"
                                            << "ΜΗΚΟΣ:";
        QTest::newRow("square area box") << "Formt"
                                         << "emb"
                                         << "ΕΜΒΑΔΟ:";
        QTest::newRow("back button") << "Formk"
                                     << "Command2"
                                     << "Επιστροφή στο μενού";
        QTest::newRow("end button") << "Form1"
                                    << "Command4"
                                    << "Έξοδος";
        QTest::newRow("credits button") << "Form1"
                                        << "Command9"
                                        << "Δημιουργός";
        QTest::newRow("square button") << "Form1"
                                       << "Command2"
                                       << "Τετράγωνο.";
    }
    void spokenNames() {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Fixture f;
        desktop::Form& w = f.form(form.toStdString());
        w.show();
        QCOMPARE(spokenName(w.control(control.toStdString())), name);
    }

    // The focused bar and button wear an amber ring on the blue window; others do not.
    void focusIsVisible() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        activate(w);
        const QColor amber(255, 200, 0);
        for (const char* name : {"hsbpleyra", "Command2"}) {
            QWidget* control = w.control(name);
            QVERIFY(control->grab().toImage().pixelColor(1, control->height() / 2) != amber);
            control->setFocus();
            QVERIFY(control->hasFocus());
            QCOMPARE(control->grab().toImage().pixelColor(1, control->height() / 2), amber);
        }
    }

    void greekContextMenuOnBoxes() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        QStringList actions;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                actions << a->text();
            menu->close();
        });
        QWidget* box = w.control("txtpleyra");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &event);
        QCOMPARE(actions, (QStringList{"Αντιγραφή", "Επιλογή όλων"}));
    }

    // Each window is a frame, a dialog or an alert to a screen reader, named by its caption;
    // the notice is an alert whose text is its label.
    void windowRoles_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("role");
        QTest::newRow("menu") << "Form1" << int(QAccessible::Window);
        for (const FigureWindow& w : figureWindows())
            QTest::newRow(w.row) << w.form << int(QAccessible::Window);
        QTest::newRow("credits") << "Formd" << int(QAccessible::Dialog);
        QTest::newRow("notice") << "Formm" << int(QAccessible::AlertMessage);
    }
    void windowRoles() {
        QFETCH(QString, form);
        QFETCH(int, role);
        Fixture f;
        desktop::Form& w = f.form(form.toStdString());
        w.show();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.window());
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), q(w.design().caption));
        if (role != QAccessible::AlertMessage) return;
        QStringList texts; // what a screen reader speaks of an alert: its labels
        for (int i = 0; i < iface->childCount(); ++i)
            if (iface->child(i)->role() == QAccessible::StaticText)
                texts << iface->child(i)->text(QAccessible::Name);
        QCOMPARE(texts, QStringList{"Παρακαλώ α>γ"});
    }

    // A bar's value as its box writes it, in the locale's separator, and as a number in
    // the box's units with the box's step.
    void spokenValues_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<double>("number");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        for (const char* sep : {",", "."}) {
            const QString s = QString::fromLatin1(sep);
            const QByteArray tag = sep == QString(",") ? "el " : "en ";
            QTest::newRow(tag + "segment length 100")
                << s << "Formline"
                << "hsbmhkos" << 10000 << "100" + s + "00" << 100.0 << 100.0 << 0.01;
            QTest::newRow(tag + "segment direction 0.02")
                << s << "Formline"
                << "hsbdief" << 2 << "000" + s + "02°" << 0.02 << 180.0 << 0.01;
            QTest::newRow(tag + "segment length 70.97")
                << s << "Formline"
                << "hsbmhkos" << 7097 << "070" + s + "97" << 70.97 << 100.0 << 0.01;
            QTest::newRow(tag + "triangle angle 45")
                << s << "Formtri"
                << "hsbgoniaa" << 45 << "45°" << 45.0 << 90.0 << 1.0;
            QTest::newRow(tag + "square side 7") << s << "Formt"
                                                 << "hsbpleyra" << 7 << "7" << 7.0 << 10.0 << 1.0;
        }
    }
    void spokenValues() {
        QFETCH(QString, separator);
        QFETCH(QString, form);
        QFETCH(QString, bar);
        QFETCH(int, value);
        QFETCH(QString, spoken);
        QFETCH(double, number);
        QFETCH(double, maximum);
        QFETCH(double, step);
        RecordingServices services;
        desktop::Program program(services, separator.toStdString());
        desktop::Form& w = program.form(form.toStdString());
        w.show();
        desktop::ScrollBar* b = w.scrollBar(bar.toStdString());
        b->setValue(value);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b);
        QCOMPARE(iface->text(QAccessible::Value), spoken);
        QAccessibleValueInterface* v = iface->valueInterface();
        QVERIFY(v);
        QCOMPARE(v->currentValue().toDouble(), number);
        QCOMPARE(v->maximumValue().toDouble(), maximum);
        QCOMPARE(v->minimumStepSize().toDouble(), step);
        v->setCurrentValue(number - step); // a screen reader may set it too
        QCOMPARE(b->value(), value - 1);
        w.unload();
        Fixture::settle();
    }

    // Ctrl with any arrow or Page Up/Down moves a bar a tenth of its range, in whole steps,
    // each press one change; the long bars say so.
    void ctrlMovesATenth_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("tenth");
        QTest::addColumn<bool>("described");
        QTest::newRow("segment length") << "Command7"
                                        << "Formline"
                                        << "hsbmhkos" << 1000 << true;
        QTest::newRow("segment direction") << "Command7"
                                           << "Formline"
                                           << "hsbdief" << 1800 << true;
        QTest::newRow("angle") << "Command8"
                               << "Formangle"
                               << "hsbgonia" << 12 << true;
        QTest::newRow("square side") << "Command2"
                                     << "Formt"
                                     << "hsbpleyra" << 1 << false;
    }
    void ctrlMovesATenth() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        QFETCH(QString, bar);
        QFETCH(int, tenth);
        QFETCH(bool, described);
        Fixture f;
        desktop::Form& w = f.open(button.toUtf8().constData(), form.toUtf8().constData());
        activate(w);
        desktop::ScrollBar* b = w.scrollBar(bar.toStdString());
        b->setFocus();
        QCOMPARE(b->accessibleDescription().contains("Ctrl"), described);
        int changes = 0;
        connect(b, &desktop::ScrollBar::change, [&] { ++changes; });
        const int start = b->value();
        struct Press {
            Qt::Key key;
            int by;
        };
        // (Left and Right as Up and Down, as the page's and the Windows edition's bars take
        // them: a vertical bar's value grows downwards and to the right.)
        for (const Press& p :
             {Press{Qt::Key_Down, 1}, Press{Qt::Key_PageDown, 1}, Press{Qt::Key_Right, 1},
              Press{Qt::Key_Up, -1}, Press{Qt::Key_Left, -1}, Press{Qt::Key_PageUp, -1}}) {
            const int before = b->value();
            QTest::keyClick(b, p.key, Qt::ControlModifier);
            QCOMPARE(b->value(), std::clamp(before + p.by * tenth, b->minimum(), b->maximum()));
        }
        QCOMPARE(b->value(), std::max(start, b->minimum()));
        QVERIFY(changes >= 3);
        QTest::keyClick(b, Qt::Key_Down); // the designed keys still move by one
        QCOMPARE(b->value(), start + 1);
        QTest::keyClick(b, Qt::Key_End);
        QCOMPARE(b->value(), b->maximum());
        QTest::keyClick(b, Qt::Key_Down, Qt::ControlModifier); // no further than the end
        QCOMPARE(b->value(), b->maximum());
    }

    // Once a bar rests, the window announces the results its moves changed, as a
    // notification a screen reader speaks: not on every step, nor while the thumb is held.
    void resultsToldWhenTheBarRests() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        activate(w);
        desktop::ScrollBar* bar = w.scrollBar("hsbpleyra");
        const auto said = [&](const char* box, const char* value) {
            return w.textBox(box)->accessibleName() + " " + value;
        };
        const auto told = [&] { return w.window()->lastAnnouncement(); };
        keyTo(bar, 7); // seven presses
        QCOMPARE(told(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(
            told(),
            QStringList({said("txtpleyra", "7"), said("per", "28"), said("emb", "49")}).join(", "),
            rt::kRestMs + 500);
        auto* announcer = w.window()->findChild<QWidget*>("announcer");
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), told());
        QVERIFY(announcer->isVisible() && announcer->size().isEmpty()); // heard, not seen
        // A drag held still is not at rest; its release and a pause are.
        const QPoint start = subControl(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(bar, start + QPoint(0, -70));
        const int held = bar->value();
        QVERIFY(held < 7);
        QTest::qWait(rt::kRestMs + 300);
        QVERIFY(told().startsWith(said("txtpleyra", "7")));
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, -70));
        QTRY_VERIFY_WITH_TIMEOUT(
            told().startsWith(said("txtpleyra", qPrintable(QString::number(held)))),
            rt::kRestMs + 500);
        // The long bars' description keeps its word on Ctrl.
        desktop::Form& segment = (QTest::mouseClick(w.control("Command2"), Qt::LeftButton),
                                  Fixture::settle(), f.open("Command7", "Formline"));
        keyTo(segment.scrollBar("hsbmhkos"), 3);
        QTRY_VERIFY_WITH_TIMEOUT(!segment.window()->lastAnnouncement().isEmpty(),
                                 rt::kRestMs + 500);
        QCOMPARE(segment.scrollBar("hsbmhkos")->accessibleDescription(),
                 QString::fromUtf8(rt::kLongBarHint));
    }

    // A figure window says what its drawing shows: that there is none before its first
    // drawing, then the figure after every move, as the core describes it.
    void windowsDescribeTheirFigure_data() { figureWindowRows(); }
    void windowsDescribeTheirFigure() {
        QFETCH(QString, button);
        QFETCH(QString, form);
        Fixture f;
        desktop::Form& w = f.open(qPrintable(button), qPrintable(form));
        QCOMPARE(w.window()->accessibleDescription(), q(rt::describeEmpty(w.design())));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.window());
        QCOMPARE(iface->text(QAccessible::Description), w.window()->accessibleDescription());
        activate(w);
        for (const rt::ControlDesign& c : w.design().controls) {
            if (c.kind != rt::ControlKind::ScrollBar) continue;
            desktop::ScrollBar* bar = w.scrollBar(c.name);
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_End);
            // What the core says of the window's bars as they stand now.
            std::vector<std::pair<std::string_view, int>> values;
            for (const rt::ControlDesign& d : w.design().controls)
                if (d.kind == rt::ControlKind::ScrollBar)
                    values.emplace_back(d.name, w.scrollBar(d.name)->value());
            const rt::Update u = (*w.formClass().handlerFor(c.name, rt::Event::Change))(
                rt::BarValues(values, f.program.decimalSeparator()));
            const auto described =
                std::find_if(u.steps().begin(), u.steps().end(),
                             [](const rt::Step& s) { return s.kind == rt::Step::Describe; });
            if (described == u.steps().end()) continue; // (a refused trapezium says nothing new)
            QCOMPARE(w.window()->accessibleDescription(), q(described->text));
        }
        QVERIFY(w.window()->accessibleDescription().startsWith(q(w.design().figure)));
    }

    // The credits and the notice close with Escape, as with their button: a beep, gone.
    void escapeClosesTheDialogs() {
        Fixture f;
        desktop::Form& menu = f.form("Form1");
        QTest::mouseClick(menu.control("Command9"), Qt::LeftButton);
        Fixture::settle();
        desktop::Form& credits = f.form("Formd");
        activate(credits);
        const int beeps = f.services.beeps;
        QTest::keyClick(credits.window(), Qt::Key_Escape);
        Fixture::settle();
        QCOMPARE(f.loaded(), QStringList{"Form1"});
        QCOMPARE(f.services.beeps, beeps + 1);
        desktop::Form& trapezium = f.open("Command6", "Formtra");
        keyTo(trapezium.scrollBar("hsbpleurag"), 1); // α = 1 ≤ γ = 1: the notice
        Fixture::settle();
        desktop::Form& notice = f.form("Formm");
        QVERIFY(notice.isLoaded());
        activate(notice);
        QTest::keyClick(notice.window(), Qt::Key_Escape);
        Fixture::settle();
        QCOMPARE(f.loaded(), QStringList{"Formtra"});
        // A figure window is not closed by Escape.
        activate(trapezium);
        QTest::keyClick(trapezium.window(), Qt::Key_Escape);
        Fixture::settle();
        QCOMPARE(f.loaded(), QStringList{"Formtra"});
    }

    // A box too narrow for its text gives its whole text as tool tip and to the screen
    // reader; a box whose text fits keeps the design's (none).
    void clippedBoxesTellTheWholeText() {
        Fixture f;
        desktop::Form& w = f.open("Command7", "Formline");
        keyTo(w.scrollBar("hsbdief"), 2);
        keyTo(w.scrollBar("hsbdief"), 1); // 0.01°: the radians no longer fit
        desktop::TextBox* radians = w.textBox("txtdief3");
        QCOMPARE(radians->text(), QString(" 5.55555555555556E-05 π rad"));
        QCOMPARE(radians->toolTip(), radians->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(radians)->text(QAccessible::Value),
                 radians->text());
        QCOMPARE(w.textBox("txtmhkos")->toolTip(), QString()); // "000.00" fits
        w.scrollBar("hsbdief")->setValue(9000);                // 0.5 π rad fits again
        QCOMPARE(radians->text(), QString(" .5 π rad"));
        QCOMPARE(radians->toolTip(), QString());
    }

    void noContextMenuOnBars() {
        Fixture f;
        desktop::Form& w = f.open("Command2", "Formt");
        QWidget* bar = w.control("hsbpleyra");
        bool popped = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popped = true;
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                bar->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(bar, &event);
        QCoreApplication::processEvents();
        QVERIFY(!popped);
    }
};

TESTKIT_MAIN(TestAccess)
#include "test_access.moc"
