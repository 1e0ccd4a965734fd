#include "testkit.h"

namespace testkit {

std::vector<rt::DrawItem> drawnBy(const rt::Update& update, QRgb foreColour) {
    std::vector<rt::DrawItem> items;
    for (const rt::Step& s : update.steps()) {
        switch (s.kind) {
        case rt::Step::Cls:
            items.clear();
            break;
        case rt::Step::Line:
            items.push_back({rt::DrawItem::Line, s.x1, s.y1, s.x2, s.y2, s.colour, {}});
            break;
        case rt::Step::Circle:
            items.push_back({rt::DrawItem::Circle, s.x1, s.y1, s.x2, 0, s.colour, {}});
            break;
        case rt::Step::Print:
            items.push_back(
                {rt::DrawItem::Text, s.x1, s.y1, 0, 0, foreColour, QString::fromStdString(s.text)});
            break;
        default:
            break;
        }
    }
    return items;
}

} // namespace testkit
