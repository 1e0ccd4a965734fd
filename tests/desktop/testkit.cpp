#include "testkit.h"

#include "numfmt.h"

#include <QRegularExpression>
#include <cmath>

namespace testkit {

std::vector<desktop::DrawItem> drawnBy(const rt::Update& update, QRgb foreColour) {
    std::vector<desktop::DrawItem> items;
    for (const rt::Step& s : update.steps()) {
        switch (s.kind) {
        case rt::Step::Cls:
            items.clear();
            break;
        case rt::Step::Line:
            items.push_back({desktop::DrawItem::Line, s.x1, s.y1, s.x2, s.y2, s.colour, {}});
            break;
        case rt::Step::Circle:
            items.push_back({desktop::DrawItem::Circle, s.x1, s.y1, s.x2, 0, s.colour, {}});
            break;
        case rt::Step::Print:
            items.push_back({desktop::DrawItem::Text, s.x1, s.y1, 0, 0, foreColour,
                             QString::fromStdString(s.text)});
            break;
        default:
            break;
        }
    }
    return items;
}

void figureWindowRows() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("back");
    for (const FigureWindow& w : kFigureWindows)
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
    const auto expected = drawnBy(update, form.window()->foreColor().rgb());
    if (form.window()->items() != expected) {
        if (why)
            *why = QStringLiteral("the surface holds %1 items, the update draws %2")
                       .arg(form.window()->items().size())
                       .arg(expected.size());
        return false;
    }
    return true;
}

bool wellFormedStr(const std::string& text) {
    static const QRegularExpression grammar(
        QStringLiteral("^[ -](?:([1-9]\\d*)(?:\\.(\\d*[1-9]))?|\\.(\\d*[1-9])|0|"
                       "([1-9])(?:\\.(\\d*[1-9]))?E([+-])(\\d{2,3}))$"));
    const auto m = grammar.match(QString::fromStdString(text));
    if (!m.hasMatch()) return false;
    if (!m.captured(4).isEmpty()) { // exponent form
        const int exponent = m.captured(7).toInt() * (m.captured(6) == "-" ? -1 : 1);
        if (exponent >= -4 && exponent < 15) return false;
        if (1 + m.captured(5).size() > 15) return false;
    } else {
        QString digits = m.captured(1) + m.captured(2) + m.captured(3);
        while (digits.startsWith('0'))
            digits.remove(0, 1);
        while (digits.endsWith('0') && m.captured(2).isEmpty() && m.captured(3).isEmpty())
            digits.chop(1);
        if (digits.size() > 15) return false;
    }
    const double value = std::stod(text);
    return std::isfinite(value) && rt::Str(value) == text;
}

bool closedOutline(const std::vector<desktop::DrawItem>& items) {
    std::vector<QPointF> ends;
    std::vector<std::size_t> owner;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != desktop::DrawItem::Line) continue;
        ends.emplace_back(items[i].x1, items[i].y1);
        ends.emplace_back(items[i].x2, items[i].y2);
        owner.push_back(i);
        owner.push_back(i);
    }
    if (ends.size() < 4) return false;
    for (std::size_t a = 0; a < ends.size(); ++a) {
        bool met = false;
        for (std::size_t b = 0; b < ends.size() && !met; ++b)
            met = owner[a] != owner[b] && std::abs(ends[a].x() - ends[b].x()) < 1e-3 &&
                  std::abs(ends[a].y() - ends[b].y()) < 1e-3;
        if (!met) return false;
    }
    return true;
}

} // namespace testkit
