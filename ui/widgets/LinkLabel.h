#pragma once

#include <QLabel>

namespace ui {

// A label in the link style: pure blue, underlined, a cross-hair pointer over it, and a click
// (press and release of the left button over it) as its only action.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Acts as a click of the mouse: for assistive technology, which presses the link.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace ui
