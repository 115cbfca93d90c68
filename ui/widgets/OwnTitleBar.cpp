#include "ui/widgets/OwnTitleBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWindow>

namespace ui {
namespace {

bool hasCloseButton(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowCloseButtonHint);
}

// On Wayland, frame margins are those of a frame Qt draws itself.
bool toolkitDrawsTheFrame(const QWindow& window) {
    const Qt::WindowFlags flags = window.flags();
    return window.isTopLevel() && flags.testFlag(Qt::CustomizeWindowHint) &&
           !flags.testFlag(Qt::FramelessWindowHint) && !window.frameMargins().isNull();
}

// The frame is settled when the window is first exposed: Qt has had the compositor's answer
// on who draws it by then, and nothing has been painted yet.
class OwnTitleBarWatch final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !toolkitDrawsTheFrame(*window))
            return false;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window) {
                new OwnTitleBar(*widget);
                break;
            }
        }
        return false;
    }
};

} // namespace

OwnTitleBar::OwnTitleBar(QWidget& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("ownTitleBar"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(window.windowTitle());
    QWindow* surface = window.windowHandle();
    surface->setFlags(surface->flags() | Qt::FramelessWindowHint);

    const int height = sizeHint().height();
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != this && !child->isWindow())
            child->move(child->x(), child->y() + height);
    }
    const QMargins margins = window.contentsMargins();
    window.setContentsMargins(margins.left(), margins.top() + height, margins.right(),
                              margins.bottom());
    window.setFixedSize(window.width(), window.height() + height);
    setGeometry(0, 0, window.width(), height);
    window.installEventFilter(this);
    show();
}

QSize OwnTitleBar::sizeHint() const {
    const QStyleOptionTitleBar bar = option();
    return {window_.width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, this)};
}

QStyleOptionTitleBar OwnTitleBar::option() const {
    QStyleOptionTitleBar bar;
    bar.initFrom(this);
    bar.rect = rect();
    bar.text = window_.windowTitle();
    bar.subControls = QStyle::SC_TitleBarLabel;
    bar.titleBarFlags = Qt::WindowTitleHint;
    // The styles draw a close button for a window with a system menu.
    if (hasCloseButton(window_)) {
        bar.subControls |= QStyle::SC_TitleBarCloseButton;
        bar.titleBarFlags |= Qt::WindowSystemMenuHint;
    }
    if (closePressed_)
        bar.activeSubControls = QStyle::SC_TitleBarCloseButton;
    if (window_.isActiveWindow()) {
        bar.state |= QStyle::State_Active;
        bar.titleBarState = QStyle::State_Active;
    }
    return bar;
}

bool OwnTitleBar::onCloseButton(const QPoint& point) const {
    const QStyleOptionTitleBar bar = option();
    return hasCloseButton(window_) &&
           style()->hitTestComplexControl(QStyle::CC_TitleBar, &bar, point, this) ==
               QStyle::SC_TitleBarCloseButton;
}

bool OwnTitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ &&
        (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange))
        update();
    return QWidget::eventFilter(watched, event);
}

void OwnTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QStyleOptionTitleBar bar = option();
    style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, this);
}

void OwnTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (onCloseButton(event->position().toPoint())) {
        closePressed_ = true;
        update();
    } else if (QWindow* surface = window_.windowHandle()) {
        surface->startSystemMove();
    }
}

void OwnTitleBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!closePressed_ || event->button() != Qt::LeftButton)
        return;
    closePressed_ = false;
    update();
    if (onCloseButton(event->position().toPoint()))
        window_.close();
}

void installOwnTitleBars(QApplication& application) {
    // Elsewhere the frame is the window manager's, and no event need pass the watch.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        application.installEventFilter(new OwnTitleBarWatch(&application));
}

} // namespace ui
