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
                QCOMPARE(iface->valueInterface()->currentValue().toInt(), bar->value());
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
            QVERIFY2(text(w, c.name.c_str()) != q(c.text), c.name.c_str());
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.textBox(c.name));
            QCOMPARE(iface->text(QAccessible::Value), text(w, c.name.c_str()));
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
        QCOMPARE(bar->contextMenuPolicy(), Qt::NoContextMenu);
    }
};

TESTKIT_MAIN(TestAccess)
#include "test_access.moc"
