#pragma once

#include <QWidget>

class QApplication;
class QStyleOptionTitleBar;

namespace ui {

// A title bar drawn by the program, for a window whose frame the toolkit would otherwise draw
// itself: Qt 6.4's own Wayland frame shows minimise, maximise and close buttons whatever the
// window's hints say. The bar shows the caption, a close button only where the window's hints
// have one, and moves the window when dragged. The window goes frameless and grows by the bar;
// its controls and its client area (contentsRect()) move down by the bar's height.
class OwnTitleBar final : public QWidget {
    Q_OBJECT
public:
    explicit OwnTitleBar(QWidget& window);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStyleOptionTitleBar option() const;
    bool onCloseButton(const QPoint& point) const;

    QWidget& window_;
    bool closePressed_ = false;
};

// Gives every window that chooses its own title bar buttons (Qt::CustomizeWindowHint) an
// OwnTitleBar where the toolkit draws the frame itself: on Wayland, when the compositor leaves
// the frame to the program. Elsewhere the window manager's or compositor's frame stays.
void installOwnTitleBars(QApplication& application);

} // namespace ui
