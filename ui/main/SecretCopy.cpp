#include "SecretCopy.h"

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

} // namespace

SecretCopy::SecretCopy(QLineEdit* box) : QObject(box), box_(box) {
    box_->installEventFilter(this);
}

QMimeData* SecretCopy::secretMimeData(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(QString::fromLatin1(kHintFormat), QByteArrayLiteral("secret"));
    return data;
}

void SecretCopy::copy() {
    // As the box itself: nothing selected, nothing copied; a hidden text is never copied.
    if (!box_->hasSelectedText() || box_->echoMode() != QLineEdit::Normal)
        return;
    QGuiApplication::clipboard()->setMimeData(secretMimeData(box_->selectedText()),
                                              QClipboard::Clipboard);
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
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

} // namespace ui
