#include "form.h"

#include "worksheet.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
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
int scaled(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / rt::kTwipsPerPixel));
}
} // namespace

Form::Form(Shell& shell, const rt::FormClass& formClass) : shell_(shell), class_(formClass) {
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(rt::kRestMs);
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

    // Labels first: they lie beneath every other control they overlap.
    std::vector<const ControlDesign*> order;
    for (const auto& c : design().controls)
        if (c.kind == ControlKind::Label) order.push_back(&c);
    for (const auto& c : design().controls)
        if (c.kind != ControlKind::Label) order.push_back(&c);

    controls_.clear();
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDesign* c : order) {
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
        if (c->kind != ControlKind::Label) tabOrder.emplace_back(c->tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty()) tabOrder.front().second->setFocus();

    // Ctrl + (or =), Ctrl − and Ctrl 0, on the main keys and the keypad, in every window.
    const std::pair<QKeyCombination, int> zoomKeys[] = {
        {Qt::CTRL | Qt::Key_Plus, 1},
        {Qt::CTRL | Qt::Key_Equal, 1},
        {Qt::CTRL | Qt::Key_Minus, -1},
        {Qt::CTRL | Qt::Key_0, 0},
        {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus, 1},
        {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus, -1},
        {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0, 0}};
    for (const auto& [keys, step] : zoomKeys)
        connect(new QShortcut(QKeySequence(keys), window), &QShortcut::activated, this,
                [this, step = step] { shell_.stepZoom(step); });

    // A dialog and the notice close with Escape too, as their own button closes them.
    if (design().kind != rt::FormKind::Main)
        for (const ControlDesign& c : design().controls)
            if (c.kind == ControlKind::Button) {
                auto* button = qobject_cast<QAbstractButton*>(controls_.value(qs(c.name)));
                connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated,
                        button, &QAbstractButton::click);
                break;
            }

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
    return {scaled(design().width, zoom), scaled(design().height, zoom)};
}

double Form::fittingZoom() const {
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
        if (*step <= shell_.zoom() && fitsAt(*step)) return *step;
    return 1;
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
    const QSize margins = before.size() - window_->size();
    QRect frame(QPoint(), size + margins);
    frame.moveCenter(before.center());
    if (const QScreen* screen = window_->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::max(available.left(),
                                std::min(frame.left(), available.right() + 1 - frame.width())));
        frame.moveTop(std::max(available.top(),
                               std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
    sizeWindow(size);
    window_->move(frame.topLeft());
    layOut();
}

void Form::layOut() {
    if (!isLoaded()) return;
    const QSize size = window_->size();
    const QSize designSize = zoomedSize(1);
    const double scale = size == zoomedSize(zoom_)
                             ? zoom_
                             : std::min(double(size.width()) / designSize.width(),
                                        double(size.height()) / designSize.height());
    if (scale <= 0) return;
    const QSize shown = zoomedSize(scale);
    const QPoint origin((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2);
    window_->setZoom(scale, origin);
    // The same face at a proportional size, rounded down so that every caption still fits.
    QFont font = QApplication::font();
    if (scale != 1 && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale + 1e-9)));
    if (window_->font() != font) window_->setFont(font);
    if (scale != 1 && !barStyle_) {
        barStyle_ = new ZoomStyle; // deleted with the window, after its bars
        barStyle_->setParent(window_);
    }
    if (barStyle_) barStyle_->scale = scale;
    for (const ControlDesign& c : design().controls) {
        QWidget* widget = control(c.name);
        widget->setGeometry(origin.x() + scaled(c.left, scale), origin.y() + scaled(c.top, scale),
                            scaled(c.width, scale), scaled(c.height, scale));
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

void Form::unload() {
    if (!isLoaded()) return;
    Surface* window = window_;
    window_ = nullptr;
    controls_.clear();
    changed_.clear();
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
            if (box->setBoxText(qs(step.text)) && !changed_.contains(box)) changed_.append(box);
            break;
        }
        case Step::Cls:
            window_->cls();
            break;
        case Step::Line:
            window_->line(step.x1, step.y1, step.x2, step.y2, step.colour);
            break;
        case Step::Circle:
            window_->circle(step.x1, step.y1, step.x2, step.colour);
            break;
        case Step::Print:
            window_->setCurrentX(step.x1);
            window_->setCurrentY(step.y1);
            window_->print(qs(step.text));
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
    restTimer_.start();
}

void Form::barRested() {
    if (!restingBar_ || !isLoaded()) return;
    if (restingBar_->isSliderDown()) return restTimer_.start(); // still held: not at rest
    // The boxes the moves changed, in the window's order, each with its name.
    std::map<std::string, std::string> texts;
    for (TextBox* box : changed_)
        texts[box->objectName().toStdString()] = box->text().toStdString();
    changed_.clear();
    const std::string said =
        rt::resultsMessage(design(), [&texts](const std::string& box) -> const std::string* {
            const auto found = texts.find(box);
            return found == texts.end() ? nullptr : &found->second;
        });
    if (!said.empty()) window_->announce(qs(said));
}

void Form::run(const rt::Handler& handler) {
    try {
        apply(handler(*this));
    } catch (const rt::RuntimeError& error) {
        services().runtimeError(error);
    }
}

} // namespace desktop
