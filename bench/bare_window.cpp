// The yardstick of bench/startup.sh: a bare Qt Widgets window with as many controls as the
// main window (3 buttons, 5 text boxes, 6 options, a frame, 7 labels and a timer), in the
// default font, with no start-up work of its own. KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1 makes it
// quit right after its first paint, as keywright does.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class FirstPaintExit final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

template <typename T> T* add(QWidget* parent, const char* text, int x, int y, int w, int h) {
    auto* control = new T(parent);
    if constexpr (std::is_base_of_v<QLineEdit, T> || std::is_base_of_v<QLabel, T> ||
                  std::is_base_of_v<QAbstractButton, T>)
        control->setText(QString::fromLatin1(text));
    control->setGeometry(x, y, w, h);
    return control;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(399, 269);

    add<QPushButton>(&window, "&Exit", 315, 237, 75, 26);
    add<QPushButton>(&window, "&About", 232, 237, 75, 26);
    add<QPushButton>(&window, "&Generate", 315, 206, 75, 26);
    add<QLineEdit>(&window, "", 211, 138, 181, 21)->setReadOnly(true);
    add<QLineEdit>(&window, "", 10, 111, 84, 19);
    add<QLineEdit>(&window, "", 119, 110, 84, 19);
    add<QLineEdit>(&window, "6", 10, 68, 44, 19);
    add<QLineEdit>(&window, "", 10, 28, 383, 19);
    auto* frame = new QGroupBox(QStringLiteral("Password case"), &window);
    frame->setGeometry(6, 138, 198, 90);
    add<QRadioButton>(frame, "Mixed cases", 9, 56, 86, 17)->setChecked(true);
    add<QRadioButton>(frame, "Upper cases", 9, 36, 111, 17);
    add<QRadioButton>(frame, "Lower cases", 10, 16, 112, 17);
    add<QRadioButton>(&window, "Mixes of Alphabets and numbers", 208, 101, 185, 17)
        ->setChecked(true);
    add<QRadioButton>(&window, "Numbers only", 209, 81, 111, 17);
    add<QRadioButton>(&window, "Alphabets only", 208, 61, 112, 17);
    add<QLabel>(&window, "Clear", 366, 159, 25, 13);
    add<QLabel>(&window, "https://norvik.example/keywright/", 180, 5, 214, 13);
    add<QLabel>(&window, "Copyright 2026 Norvik.", 3, 245, 229, 22);
    add<QLabel>(&window, "Prefix", 10, 94, 28, 13);
    add<QLabel>(&window, "Suffix", 121, 94, 28, 13);
    add<QLabel>(&window, "Password Length", 10, 52, 82, 13);
    add<QLabel>(&window, "Password Mask", 10, 10, 73, 13);
    QTimer fade;
    fade.setInterval(20);

    if (qEnvironmentVariableIntValue("KEYWRIGHT_EXIT_AFTER_FIRST_PAINT") == 1)
        window.installEventFilter(new FirstPaintExit(&window));
    window.show();
    return application.exec();
}
