#include "surface.h"

#include "design.h"
#include "raster.h"

#include <QCloseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace desktop {

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF Surface::toPixels(float x, float y) const {
    return QPointF(origin_) + QPointF(x, y) * (scale_ / rt::kTwipsPerPixel);
}

void Surface::setZoom(double scale, QPoint origin) {
    if (scale == scale_ && origin == origin_) return;
    scale_ = scale;
    origin_ = origin;
    update();
}

int Surface::penWidth() const {
    return rt::penWidth(scale_ * devicePixelRatioF());
}

void Surface::invalidate(const rt::Drawn& item) {
    QRectF area;
    switch (item.kind) {
    case rt::Drawn::Line:
        area = QRectF(toPixels(item.x1, item.y1), toPixels(item.x2, item.y2)).normalized();
        break;
    case rt::Drawn::Circle: {
        const qreal r = item.x2 * scale_ / rt::kTwipsPerPixel;
        area = QRectF(toPixels(item.x1, item.y1) - QPointF(r, r), QSizeF(2 * r, 2 * r));
        break;
    }
    case rt::Drawn::Text:
        area = QRectF(toPixels(item.x1, item.y1),
                      QSizeF(fontMetrics().size(0, QString::fromStdString(item.text))));
        break;
    }
    // A pen's width beyond the path, and clamped to the window: a figure can reach far
    // outside it.
    const qreal margin = 1 + std::ceil(scale_);
    const QRectF bounds = QRectF(rect()).adjusted(-4, -4, 4, 4);
    update(area.adjusted(-margin, -margin, margin, margin).intersected(bounds).toAlignedRect());
}

void Surface::announce(const QString& message) {
    if (!announcer_) {
        announcer_ = new QWidget(this);
        announcer_->setObjectName(QStringLiteral("announcer"));
        announcer_->setGeometry(0, 0, 0, 0);
        announcer_->setFocusPolicy(Qt::NoFocus);
        announcer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer_->hide();
    announcer_->setAccessibleName(message);
    announcer_->show(); // a screen reader speaks a notification as it shows
}

QString Surface::lastAnnouncement() const {
    return announcer_ ? announcer_->accessibleName() : QString();
}

bool Surface::draw(const rt::Step& step) {
    if (step.kind == rt::Step::Cls)
        for (const rt::Drawn& item : items_)
            invalidate(item);
    if (!rt::drawStep(items_, step, foreColor_.rgb() & 0xFFFFFF)) return false;
    if (step.kind == rt::Step::Print) {
        invalidate(items_.back());
    } else if (step.kind != rt::Step::Cls) {
        // A line or a circle goes in after the others and below every letter.
        const auto shape = std::find_if(items_.rbegin(), items_.rend(), [](const rt::Drawn& d) {
            return d.kind != rt::Drawn::Text;
        });
        invalidate(*shape);
    }
    return true;
}

void Surface::setBackColor(QColor colour) {
    backColor_ = colour;
    update();
}

void Surface::paintPixels(QPainter& painter, const rt::Drawn& item, qreal ratio) const {
    const double k = scale_ * ratio / rt::kTwipsPerPixel; // device pixels a twip
    const QPointF o = QPointF(origin_) * ratio;
    const int w = static_cast<int>(std::ceil(width() * ratio));
    const int h = static_cast<int>(std::ceil(height() * ratio));
    std::vector<rt::PixelRect> rects;
    if (item.kind == rt::Drawn::Line)
        rt::rasterLine(o.x() + item.x1 * k, o.y() + item.y1 * k, o.x() + item.x2 * k,
                       o.y() + item.y2 * k, rt::penWidth(scale_ * ratio), w, h, rects);
    else
        rt::rasterCircle(o.x() + item.x1 * k, o.y() + item.y1 * k, item.x2 * k,
                         rt::penWidth(scale_ * ratio), w, h, rects);
    painter.save();
    // Device pixels: the rectangles' edges fall on the pixel grid, so nothing is blended.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QColor colour(item.colour);
    for (const rt::PixelRect& r : rects)
        painter.fillRect(QRect(r.x, r.y, r.w, r.h), colour);
    painter.restore();
}

void Surface::paintTo(QPainter& painter) const {
    painter.fillRect(rect(), backColor_);
    painter.setFont(font());
    const qreal ratio = painter.device()->devicePixelRatioF();
    // Where a logical pixel is one device pixel the painter's own one-pixel pen draws the
    // lines; elsewhere they are set pixel by pixel, as wide as the rounded scale.
    const bool onePixel = scale_ * ratio == 1;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const rt::Drawn& item : items_) {
        if (item.kind != rt::Drawn::Text && !onePixel) {
            paintPixels(painter, item, ratio);
            continue;
        }
        painter.setPen(QPen(QColor(item.colour), 1));
        painter.setBrush(Qt::NoBrush);
        switch (item.kind) {
        case rt::Drawn::Line:
            painter.drawLine(toPixels(item.x1, item.y1), toPixels(item.x2, item.y2));
            break;
        case rt::Drawn::Circle: {
            const qreal r = item.x2 * scale_ / rt::kTwipsPerPixel;
            painter.drawEllipse(toPixels(item.x1, item.y1), r, r);
            break;
        }
        case rt::Drawn::Text: {
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            const QPointF topLeft = toPixels(item.x1, item.y1);
            painter.drawText(QRectF(topLeft, QSizeF(width() + 1000, height() + 1000)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             QString::fromStdString(item.text));
            break;
        }
        }
    }
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTo(painter);
}

void Surface::closeEvent(QCloseEvent* event) {
    if (onClose) {
        event->ignore();
        onClose();
    } else {
        event->accept();
    }
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}

} // namespace desktop
