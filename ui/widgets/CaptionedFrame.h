#pragma once

#include <QGroupBox>

namespace ui {

// A frame whose caption sits on its top border line, as classic Windows frames draw it, so that
// the whole client area below the caption's middle holds controls placed by coordinates.
class CaptionedFrame final : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionedFrame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
