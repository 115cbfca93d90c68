#pragma once

#include <QObject>

class QLineEdit;
class QMimeData;

namespace ui {

// Copying from a box that shows a password: the copy keys (Ctrl+C, Ctrl+Insert) and the context
// menu's Copy put the selected text on the clipboard marked as secret, so that clipboard managers
// keep it out of their history. Selecting, the menu's other entries and everything else stay as
// the box has them. Selecting in the box never leaves the password in the primary selection
// (X11's, or the one a Wayland compositor offers), where any program could read it with the
// middle button and no hint would reach clipboard managers. Lives as long as the box.
class SecretCopy final : public QObject {
    Q_OBJECT
public:
    explicit SecretCopy(QLineEdit* box);

    // The clipboard data for a password: the text, and the hint for clipboard managers. The data
    // keeps a copy of the text of its own, wiped when the data is deleted.
    static QMimeData* secretMimeData(const QString& text);
    static constexpr char kHintFormat[] = "x-kde-passwordManagerHint";

    // Copies the box's selection, if any, as the copy keys do.
    void copy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showContextMenu(const QPoint& globalPosition);
    void keepOutOfTheSelection();

    QLineEdit* box_;
};

} // namespace ui
