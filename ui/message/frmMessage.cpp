#include "ui/message/frmMessage.h"

#include <QCoreApplication>

#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/ProgramIcon.h"
#include "ui/widgets/Twips.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

namespace ui {

frmMessage::frmMessage()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      label_(new QLabel(
          QCoreApplication::translate("frmMessage", "Please wait while processing ..."), this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmMessage"));
    // A message must neither take the focus from the window at work nor keep the program alive.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(programIcon());
    setFont(programFont(8.25));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(twipsToPixels(kLoadedWidth), twipsToPixels(kLoadedHeight));

    label_->setObjectName(QStringLiteral("Label1"));
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label_->setWordWrap(true);
    setLabelText(label_->text());

    // An interval of 0 never fires; ShowMessage starts the timer only for a positive delay.
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &frmMessage::Timer1_Timer);
}

void frmMessage::setLabelText(const QString& text) {
    label_->setText(text);
    const int width = twipsToPixels(kLabelWidth);
    const QFontMetrics metrics(label_->font());
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                               Qt::AlignHCenter | Qt::TextWordWrap, text);
    // 13 pixels a line as designed; a fallback font with a taller line gets its own height
    // rather than clipped text.
    const int lineSpacing = qMax(metrics.lineSpacing(), 1);
    const int lines = qMax(1, (wrapped.height() + lineSpacing - 1) / lineSpacing);
    const int lineHeight = qMax(twipsToPixels(kLineHeight), lineSpacing);
    label_->setGeometry(twipsToPixels(kLabelLeft), twipsToPixels(kLabelTop), width,
                        lines * lineHeight);
}

void frmMessage::showOver(QWidget* owner) {
    // A window whose size cannot change floats on a tiling compositor instead of being tiled.
    setFixedSize(size());
    if (owner) {
        const QPoint place = pos();
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            // A Wayland compositor may give the keyboard to every window it maps, whatever the
            // window asks (sway does), and it closes a popup once its owner loses the keyboard
            // to a box. There the message is drawn within its owner, over the middle.
            setParent(owner, Qt::Widget);
            move(owner->rect().center() - rect().center());
            raise();
        } else {
            setParent(owner, windowFlags());
            move(place);
        }
    }
    show();
}

void frmMessage::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    timer_->stop();
    hide();
    deleteLater();
}

void frmMessage::Timer1_Timer() {
    unload();
}

} // namespace ui
