#include "testkit.h"

#include "forms.h"
#include "picture.h"

#include <QLocale>
#include <clocale>

namespace testkit {

const std::vector<FigureWindow>& figureWindows() {
    static const std::vector<FigureWindow> windows = [] {
        std::vector<FigureWindow> out;
        for (const rt::FormClass* f : app::figureClasses()) {
            const app::Way way = app::wayTo(f->name());
            const rt::ControlDesign* bar = nullptr;
            for (const rt::ControlDesign& c : f->design.controls)
                if (c.kind == rt::ControlKind::ScrollBar &&
                    (!bar || c.max - c.min > bar->max - bar->min))
                    bar = &c;
            // (the design's names and captions are the program's own constant texts)
            out.push_back({f->design.name.data(), way.opens.data(), f->design.name.data(),
                           f->design.caption.data(), way.back.data(), bar->name.data()});
        }
        return out;
    }();
    return windows;
}

void figureWindowRows() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("back");
    for (const FigureWindow& w : figureWindows())
        QTest::newRow(w.row) << w.button << w.form << QString::fromUtf8(w.caption) << w.back;
}

bool shows(desktop::Form& form, const rt::Update& update, QString* why) {
    for (const rt::Step& s : update.steps()) {
        if (s.kind != rt::Step::SetText) continue;
        const QString expected = QString::fromStdString(*update.textOf(s.name));
        const QString actual = form.textBox(s.name)->text();
        if (actual != expected) {
            if (why)
                *why = QStringLiteral("%1 shows '%2', not '%3'")
                           .arg(QString::fromStdString(s.name), actual, expected);
            return false;
        }
    }
    const auto expected = rt::drawnBy(update, form.window()->foreColor().rgb() & 0xFFFFFF);
    if (form.window()->items() != expected) {
        if (why)
            *why = QStringLiteral("the surface holds %1 items, the update draws %2")
                       .arg(form.window()->items().size())
                       .arg(expected.size());
        return false;
    }
    return true;
}

bool inTheLocaleToTry(QString* why) {
    const QByteArray locale = qgetenv("SCHIMATIOS_LOCALE");
    if (locale.isEmpty()) return true;
    // The Greek locale's decimal comma, in the C library (which Qt set from the system's
    // language as the application started) and in Qt's own idea of the system.
    const char* c = std::localeconv()->decimal_point;
    const QString qt = QLocale::system().decimalPoint();
    if (QString::fromLatin1(c) == "," && qt == ",") return true;
    *why = QStringLiteral("not run in %1: the C library's decimal point is '%2', Qt's '%3' (is "
                          "the locale compiled into LOCPATH?)")
               .arg(QString::fromLatin1(locale), QString::fromLatin1(c), qt);
    return false;
}

} // namespace testkit
