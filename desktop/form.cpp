#include "form.h"

#include "keys.h"
#include "worksheet.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>
#include <map>

namespace desktop {

namespace {
QColor colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

using rt::ControlDesign;
using rt::ControlKind;
using rt::Step;

// The style's scroll bars at a scale: arrows as long and a thumb as short as a bar
// `scale` times the design's has them.
class ZoomStyle : public QProxyStyle {
  public:
    ZoomStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    double scale = 1;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        // (asked without the option, which may carry the enlarged resolution below)
        if (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin)
            return static_cast<int>(
                std::lround(QProxyStyle::pixelMetric(metric, nullptr, widget) * scale));
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    // The style sizes its arrows by the option's font resolution: give it one `scale`
    // times the screen's, so the arrows grow with the bar.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || scale == 1 || !widget)
            return QProxyStyle::drawComplexControl(control, option, painter, widget);
        QImage resolution(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre =
            static_cast<int>(std::lround(option->fontMetrics.fontDpi() * scale / 0.0254));
        resolution.setDotsPerMeterX(dotsPerMetre);
        resolution.setDotsPerMeterY(dotsPerMetre);
        QStyleOptionSlider scaled(*bar);
        scaled.fontMetrics = QFontMetrics(widget->font(), &resolution);
        QProxyStyle::drawComplexControl(control, &scaled, painter, widget);
    }
};

namespace {
QRect rect(const rt::ScreenRect& r) {
    return {r.x, r.y, r.width, r.height};
}
} // namespace

Form::Form(Shell& shell, const rt::FormClass& formClass)
    : shell_(shell), class_(formClass), rest_(formClass.design) {
    restTimer_.setSingleShot(true);
    connect(&restTimer_, &QTimer::timeout, this, &Form::barRested);
}

Form::~Form() {
    delete window_.data();
}

void Form::load() {
    auto* window = new Surface();
    window->setObjectName(name());
    window->setWindowTitle(qs(design().caption));
    window->setBackColor(colour(design().backColor));
    window->setForeColor(design().foreIsHighlightedText
                             ? QApplication::palette().color(QPalette::HighlightedText)
                             : colour(design().foreColor));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setKind(design().kind);
    window->onClose = [this] { unload(); };
    // A figure window says what its drawing shows, and until its first drawing, that
    // there is none yet.
    if (!design().figure.empty()) window->setAccessibleDescription(qs(rt::describeEmpty(design())));

    // From the bottom up: a widget made later lies above those before it.
    controls_.clear();
    for (const ControlDesign* c : rt::stackingOrder(design())) {
        QWidget* widget = nullptr;
        switch (c->kind) {
        case ControlKind::Label:
            widget = new Label(qs(c->text), colour(c->backColor), colour(c->foreColor), window);
            break;
        case ControlKind::TextBox: {
            auto* box = new TextBox(qs(c->text), window);
            box->setDesignToolTip(qs(c->toolTip));
            widget = box;
            break;
        }
        case ControlKind::ScrollBar: {
            auto* bar = new ScrollBar(c->min, c->max, c->value, window);
            bar->setUnit(c->unit, shell_.decimalSeparator());
            if (rt::isLongBar(c->min, c->max))
                bar->setAccessibleDescription(QString::fromUtf8(rt::kLongBarHint));
            // A pupil on the keyboard hears the changed results once the bar comes to rest.
            connect(bar, &ScrollBar::scroll, this, [this, bar] { barMoved(bar); });
            connect(bar, &ScrollBar::change, this, [this, bar] { barMoved(bar); });
            connect(bar, &QAbstractSlider::sliderReleased, this, [this] {
                if (const int ms = rest_.released()) restTimer_.start(ms);
            });
            widget = bar;
            break;
        }
        case ControlKind::Button:
            widget = new PictureButton(QStringLiteral(":/pictures/") + qs(c->picture), window);
            break;
        }
        widget->setObjectName(qs(c->name));
        if (!c->toolTip.empty() && c->kind != ControlKind::TextBox)
            widget->setToolTip(qs(c->toolTip));
        if (const std::string name = rt::spokenName(*c); !name.empty())
            widget->setAccessibleName(qs(name));
        controls_.insert(qs(c->name), widget);
        if (c->kind != ControlKind::Label) widget->installEventFilter(this);
    }
    window->installEventFilter(this);
    // Tab order for a screen reader's own walk; the keys walk it as the core says.
    const auto order = rt::tabOrder(design());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]->name), control(order[i]->name));
    if (const ControlDesign* first = rt::firstFocus(design())) control(first->name)->setFocus();

    window_ = window;
    if (!design().figure.empty()) attachWorksheet(*this); // copy, save and print the figure
    barStyle_ = nullptr;
    zoom_ = fittingZoom();
    sizeWindow(zoomedSize(zoom_));
    layOut();
    window->onResize = [this] { layOut(); };
    connectHandlers();
}

void Form::sizeWindow(QSize size) {
    if (design().kind == rt::FormKind::Main) {
        // The menu and the figures may be maximised or resized; never below the design.
        window_->setMinimumSize(zoomedSize(1));
        window_->resize(size);
    } else {
        window_->setFixedSize(size);
    }
}

QSize Form::zoomedSize(double zoom) const {
    return rect(rt::zoomedClient(design(), zoom)).size();
}

double Form::fittingZoom() const {
    return rt::openingZoom(rt::kZoomSteps, shell_.zoom(), [this](double z) { return fitsAt(z); });
}

bool Form::fitsAt(double zoom) const {
    if (!isLoaded()) return true;
    const QScreen* screen = window_->screen();
    if (!screen) return true;
    const QSize frame = window_->frameGeometry().size() - window_->size();
    const QSize needed = zoomedSize(zoom) + frame;
    const QSize available = screen->availableGeometry().size();
    return needed.width() <= available.width() && needed.height() <= available.height();
}

void Form::applyZoom() {
    if (!isLoaded()) return;
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        layOut();
        return;
    }
    zoom_ = fittingZoom();
    const QSize size = zoomedSize(zoom_);
    // The window grows and shrinks about its middle, and stays on its screen.
    const QRect before = window_->frameGeometry();
    const QSize frame = size + before.size() - window_->size();
    const QRect available =
        window_->screen() ? window_->screen()->availableGeometry() : QRect(QPoint(), frame);
    const rt::ScreenRect at = rt::resizedOnScreen(
        {before.x(), before.y(), before.width(), before.height()}, frame.width(), frame.height(),
        {available.x(), available.y(), available.width(), available.height()});
    sizeWindow(size);
    window_->move(at.x, at.y);
    layOut();
}

void Form::layOut() {
    if (!isLoaded()) return;
    const rt::Fit fit = rt::fitDesign(design(), window_->width(), window_->height(), zoom_);
    const double scale = fit.scale;
    window_->setZoom(scale, QPoint(fit.x, fit.y));
    // The same face at a proportional size, rounded down so that every caption still fits.
    QFont font = QApplication::font();
    if (scale != 1 && font.pixelSize() > 0) font.setPixelSize(rt::fontPixels(scale));
    if (window_->font() != font) window_->setFont(font);
    if (scale != 1 && !barStyle_) {
        barStyle_ = new ZoomStyle; // deleted with the window, after its bars
        barStyle_->setParent(window_);
    }
    if (barStyle_) barStyle_->scale = scale;
    for (const ControlDesign& c : design().controls) {
        QWidget* widget = control(c.name);
        widget->setGeometry(rect(fit.place(c)));
        if (auto* button = qobject_cast<PictureButton*>(widget)) button->setZoom(scale);
        if (auto* box = qobject_cast<TextBox*>(widget)) box->setZoom(scale);
        if (auto* bar = qobject_cast<ScrollBar*>(widget); bar && barStyle_) {
            if (bar->style() != barStyle_) bar->setStyle(barStyle_);
            bar->update();
        }
    }
}

void Form::connectHandlers() {
    for (const rt::EventHandler& h : class_.handlers) {
        QWidget* widget = control(h.control);
        const rt::Handler* handler = &h.handler; // the table outlives every window
        const auto run = [this, handler] { this->run(*handler); };
        switch (h.event) {
        case rt::Event::Scroll:
            connect(qobject_cast<ScrollBar*>(widget), &ScrollBar::scroll, this, run);
            break;
        case rt::Event::Change:
            connect(qobject_cast<ScrollBar*>(widget), &ScrollBar::change, this, run);
            break;
        case rt::Event::Click:
            connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this, run);
            break;
        }
    }
}

void Form::show(const Form* inPlaceOf) {
    const bool fresh = !isLoaded();
    if (fresh) load();
    if (fresh) {
        if (inPlaceOf && inPlaceOf->isLoaded()) {
            window_->move(inPlaceOf->window()->pos());
        } else if (QWidget* active = QApplication::activeWindow(); active && active != window_) {
            window_->move(active->frameGeometry().center() - window_->rect().center());
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            window_->move(screen->availableGeometry().center() - window_->rect().center());
        }
    }
    window_->show();
    if (!fresh) window_->raise(); // a window shown again comes to the front
    window_->activateWindow();
    shell_.formShown(*this);
}

void Form::open(const app::Opening& opening) {
    show();
    for (const auto& [bar, value] : opening.values) {
        ScrollBar* b = scrollBar(bar);
        const QSignalBlocker quiet(b); // set, not moved: the opening's update follows
        b->setValue(value);
    }
    try {
        apply(app::openingUpdate(opening, decimalSeparator()));
    } catch (const rt::RuntimeError& error) {
        services().runtimeError(error);
    }
}

std::string Form::link() const {
    return app::linkOf(design(), [this](std::string_view bar) { return value(bar); });
}

void Form::unload() {
    if (!isLoaded()) return;
    Surface* window = window_;
    window_ = nullptr;
    controls_.clear();
    rest_.stop();
    restTimer_.stop();
    window->onClose = nullptr;
    window->hide();
    // The window may be deleted from inside one of its own controls' handlers.
    window->deleteLater();
    shell_.formUnloaded(*this);
}

QWidget* Form::control(std::string_view name) const {
    return controls_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

ScrollBar* Form::scrollBar(std::string_view name) const {
    return qobject_cast<ScrollBar*>(control(name));
}

TextBox* Form::textBox(std::string_view name) const {
    return qobject_cast<TextBox*>(control(name));
}

int Form::value(std::string_view bar) const {
    return scrollBar(bar)->value();
}

std::string_view Form::decimalSeparator() const {
    return shell_.decimalSeparator();
}

void Form::apply(const rt::Update& update) {
    for (const Step& step : update.steps()) {
        switch (step.kind) {
        case Step::SetText: {
            TextBox* box = textBox(step.name);
            if (box->setBoxText(qs(step.text))) rest_.written(step.name, step.text);
            break;
        }
        case Step::Cls:
        case Step::Line:
        case Step::Circle:
        case Step::Print:
            window_->draw(step);
            break;
        case Step::Describe:
            window_->setAccessibleDescription(qs(step.text));
            break;
        case Step::Beep:
            services().beep();
            break;
        case Step::Show:
            shell_.form(step.name).show(step.text.empty() ? nullptr : &shell_.form(step.text));
            break;
        case Step::Unload:
            shell_.form(step.name).unload();
            break;
        case Step::End:
            services().end();
            return;
        }
    }
}

void Form::barMoved(ScrollBar* bar) {
    restingBar_ = bar;
    restTimer_.start(rest_.moved());
}

void Form::barRested() {
    if (!isLoaded()) return;
    const auto [wakeAfter, said] = rest_.due(restingBar_ && restingBar_->isSliderDown());
    if (wakeAfter) return restTimer_.start(wakeAfter);
    if (!said.empty()) window_->announce(qs(said));
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isLoaded())
        return QObject::eventFilter(watched, event);
    QWidget* focused = window_->focusWidget();
    rt::Focus focus;
    for (const ControlDesign& c : design().controls)
        if (control(c.name) == focused) focus.control = &c;
    if (auto* bar = qobject_cast<ScrollBar*>(focused)) focus.value = bar->value();
    if (auto* box = qobject_cast<TextBox*>(focused)) focus.selection = box->hasSelectedText();
    return carryOut(rt::answerKey(design(), focus, keyPressOf(*static_cast<QKeyEvent*>(event))));
}

bool Form::carryOut(const rt::Answer& answer) {
    switch (answer.command) {
    case rt::Command::None:
        return false;
    case rt::Command::MoveBar:
        scrollBar(answer.control)->setValue(answer.value); // a Change, if it moved
        return true;
    case rt::Command::PressButton:
        qobject_cast<QAbstractButton*>(control(answer.control))->click();
        return true;
    case rt::Command::FocusControl:
        control(answer.control)->setFocus(Qt::TabFocusReason);
        return true;
    case rt::Command::ZoomIn:
        return shell_.stepZoom(rt::ZoomAsk::In), true;
    case rt::Command::ZoomOut:
        return shell_.stepZoom(rt::ZoomAsk::Out), true;
    case rt::Command::ZoomReset:
        return shell_.stepZoom(rt::ZoomAsk::Reset), true;
    case rt::Command::CopyFigure:
    case rt::Command::SaveFigure:
    case rt::Command::PrintFigure:
    case rt::Command::FigureMenu:
    case rt::Command::CopyLink:
    case rt::Command::OpenLinksHere:
        worksheetCommand(*this, answer.command);
        return true;
    }
    return false;
}

void Form::run(const rt::Handler& handler) {
    try {
        apply(handler(*this));
    } catch (const rt::RuntimeError& error) {
        services().runtimeError(error);
    }
}

} // namespace desktop
