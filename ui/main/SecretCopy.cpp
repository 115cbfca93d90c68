#include "ui/main/SecretCopy.h"

#include "platform/runtime/StringOps.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace ui {
namespace {

// The menu's Copy entry: named "edit-copy" by newer Qt versions, found by its caption (in the
// user's language, as the box words it, with or without its shortcut) in older ones.
QAction* findCopyAction(const QMenu& menu) {
    if (auto* named = menu.findChild<QAction*>(QStringLiteral("edit-copy")))
        return named;
    const QString caption = QLineEdit::tr("&Copy");
    for (QAction* action : menu.actions())
        if (action->text().section(u'\t', 0, 0) == caption)
            return action;
    return nullptr;
}

const QString kTextFormat = QStringLiteral("text/plain");

// Clipboard data holding a password. It keeps its own copy of the text, not in QMimeData's
// store, and wipes it when the clipboard lets the data go (at the next copy or the program's
// end). Copies taken from it by other programs or by Qt's clipboard code are theirs.
class SecretMimeData final : public QMimeData {
public:
    explicit SecretMimeData(const QString& text) : text_(text.constData(), text.size()) {
        setData(QString::fromLatin1(SecretCopy::kHintFormat), QByteArrayLiteral("secret"));
    }
    ~SecretMimeData() override { runtime::wipe(text_); }
    SecretMimeData(const SecretMimeData&) = delete;
    SecretMimeData& operator=(const SecretMimeData&) = delete;

    QStringList formats() const override { return QStringList{kTextFormat} + QMimeData::formats(); }
    bool hasFormat(const QString& type) const override {
        return type == kTextFormat || QMimeData::hasFormat(type);
    }

protected:
    QVariant retrieveData(const QString& type, QMetaType preferredType) const override {
        if (type == kTextFormat)
            return text_;
        return QMimeData::retrieveData(type, preferredType);
    }

private:
    QString text_;
};

} // namespace

SecretCopy::SecretCopy(QLineEdit* box) : QObject(box), box_(box) {
    box_->installEventFilter(this);
    connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, this,
            &SecretCopy::keepOutOfTheSelection);
}

void SecretCopy::keepOutOfTheSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsSelection() || !box_->hasSelectedText())
        return;
    // Qt's text box puts its selection there as plain text: taken back at once.
    QString selected = box_->selectedText();
    QString inSelection = clipboard->text(QClipboard::Selection);
    if (inSelection == selected)
        clipboard->clear(QClipboard::Selection);
    runtime::wipe(inSelection);
    runtime::wipe(selected);
}

QMimeData* SecretCopy::secretMimeData(const QString& text) {
    return new SecretMimeData(text);
}

void SecretCopy::copy() {
    // As the box itself: nothing selected, nothing copied; a hidden text is never copied.
    if (!box_->hasSelectedText() || box_->echoMode() != QLineEdit::Normal)
        return;
    // A partial selection is a text of its own, wiped here once the clipboard data has made its
    // copy; a whole selection shares the box's text, which wipe leaves alone.
    QString selected = box_->selectedText();
    QGuiApplication::clipboard()->setMimeData(secretMimeData(selected), QClipboard::Clipboard);
    runtime::wipe(selected);
}

bool SecretCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        break;
    }
    return false;
}

// The box's own menu, with its Copy entry led here instead.
void SecretCopy::showContextMenu(const QPoint& globalPosition) {
    QMenu* menu = box_->createStandardContextMenu();
    if (!menu)
        return;
    if (QAction* copyAction = findCopyAction(*menu)) {
        disconnect(copyAction, &QAction::triggered, nullptr, nullptr);
        connect(copyAction, &QAction::triggered, this, &SecretCopy::copy);
        // The box may select its text just after the menu opens (a right-click that brings the
        // focus, whose select-all waits for the mouse press to end): Copy follows the selection.
        connect(box_, &QLineEdit::selectionChanged, copyAction, [this, copyAction] {
            copyAction->setEnabled(box_->hasSelectedText() &&
                                   box_->echoMode() == QLineEdit::Normal);
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

} // namespace ui
