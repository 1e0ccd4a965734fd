#include "controls.h"

#include "interaction.h"
#include "spoken.h"
#include "surface.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <cmath>

namespace desktop {

namespace {
// The style's own focus cue is faint or missing on bars, boxes and picture buttons; on the
// blue windows a keyboard user needs to see at once which control the keys will move.
// Two logical pixels wide at zoom 1, and as much wider as the window is zoomed.
void paintFocusRing(QWidget* widget) {
    if (!widget->hasFocus()) return;
    const auto* surface = qobject_cast<const Surface*>(widget->window());
    const qreal width = rt::focusRingWidth(surface ? surface->scale() : 1.0);
    QPainter painter(widget);
    painter.setPen(QPen(QColor::fromRgb(rt::kFocusRingColour), width));
    painter.setBrush(Qt::NoBrush);
    const qreal half = width / 2;
    painter.drawRect(QRectF(widget->rect()).adjusted(half, half, -half, -half));
}

// A plain single-line border, as the boxes had; cheaper to draw on every drag step than
// the style's rounded frame.
void paintBorder(QWidget* widget) {
    QPainter painter(widget);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}
} // namespace

ScrollBar::ScrollBar(int min, int max, int value, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent) {
    setRange(min, max);
    setSingleStep(1);
    setPageStep(1);
    setValue(value);
    setFocusPolicy(Qt::StrongFocus);
    // sliderMoved comes before value() follows the thumb, so both notifications are
    // derived from valueChanged, told apart by whether the thumb is held.
    connect(this, &QAbstractSlider::valueChanged, this, &ScrollBar::valueMoved);
}

void ScrollBar::contextMenuEvent(QContextMenuEvent* event) {
    // No menu of its own (Qt's would scroll, in English); the Menu key goes on to the
    // window's, a right click on the bar opens nothing.
    if (event->reason() == QContextMenuEvent::Mouse)
        event->accept();
    else
        event->ignore();
}

void ScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    paintFocusRing(this);
}

void ScrollBar::setUnit(rt::BarUnit unit, std::string decimalSeparator) {
    unit_ = unit;
    separator_ = std::move(decimalSeparator);
}

QString ScrollBar::spokenValue() const {
    return QString::fromStdString(rt::spokenValue(unit_, value(), separator_));
}

void ScrollBar::valueMoved() {
    if (isSliderDown())
        emit scroll();
    else
        emit change();
}

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
    setTextMargins(2, 0, 1, 0);
    setFocusPolicy(Qt::StrongFocus);
    setBoxText(text);
}

bool TextBox::setBoxText(const QString& text) {
    if (text == this->text()) return false; // nothing to lay out or repaint
    setText(text);
    setCursorPosition(0);
    updateToolTip();
    return true;
}

void TextBox::setDesignToolTip(const QString& tip) {
    designToolTip_ = tip;
    updateToolTip();
}

void TextBox::updateToolTip() {
    const QMargins m = textMargins();
    const int room = contentsRect().width() - m.left() - m.right() - 2; // the frame's inset
    setToolTip(fontMetrics().horizontalAdvance(text()) > room ? text() : designToolTip_);
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void TextBox::setZoom(double scale) {
    const auto m = [scale](int px) { return static_cast<int>(px * scale + 0.5); };
    setTextMargins(m(2), 0, m(1), 0);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    paintBorder(this);
    paintFocusRing(this);
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !hasSelectedText() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false; // not taken: the shortcut goes to the window
    return QLineEdit::event(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // Qt's own menu would speak English: offer the two actions a reader needs, in Greek.
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("Αντιγραφή"), this, &QLineEdit::copy);
    copyAction->setEnabled(hasSelectedText());
    menu.addAction(QStringLiteral("Επιλογή όλων"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

Label::Label(const QString& caption, QColor back, QColor fore, QWidget* parent)
    : QLabel(caption, parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, fore);
    setPalette(pal);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

PictureButton::PictureButton(const QString& picture, QWidget* parent)
    : QPushButton(parent), picture_(picture) {
    const QPixmap pixmap(picture);
    size_ = pixmap.size();
    setIcon(QIcon(pixmap));
    setIconSize(size_);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void PictureButton::setZoom(double scale) {
    if (scale == scale_) return;
    const qreal ratio = devicePixelRatioF();
    scale_ = scale;
    const QSize logical = (QSizeF(size_) * scale).toSize();
    if (scale * ratio == 1) {
        setIcon(QIcon(QPixmap(picture_)));
        setIconSize(logical);
        return;
    }
    // The version drawn at least as large as the screen needs, brought to its exact size.
    const double device = scale * ratio;
    const QString stem = picture_.left(picture_.lastIndexOf(QLatin1Char('.')));
    QPixmap pixmap(
        device <= 1 ? picture_
                    : stem + (device <= 2 ? QStringLiteral("@2x.png") : QStringLiteral("@3x.png")));
    const QSize target = (QSizeF(size_) * device).toSize();
    if (pixmap.size() != target)
        pixmap = pixmap.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    setIcon(QIcon(pixmap));
    setIconSize(logical);
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    paintFocusRing(this);
}

} // namespace desktop
