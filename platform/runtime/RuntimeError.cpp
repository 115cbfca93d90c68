#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>

namespace runtime {

// The runtime speaks the user's language: its texts are translated where they are made, in the
// language the program loaded at start-up (English when it loaded none).
QString errorDescription(int number) {
    const char* text =
        QT_TRANSLATE_NOOP("RuntimeError", "Application-defined or object-defined error");
    switch (static_cast<ErrorNumber>(number)) {
    case ErrorNumber::InvalidProcedureCall:
        text = QT_TRANSLATE_NOOP("RuntimeError", "Invalid procedure call or argument");
        break;
    case ErrorNumber::Overflow:
        text = QT_TRANSLATE_NOOP("RuntimeError", "Overflow");
        break;
    case ErrorNumber::TypeMismatch:
        text = QT_TRANSLATE_NOOP("RuntimeError", "Type mismatch");
        break;
    case ErrorNumber::FileNotFound:
        text = QT_TRANSLATE_NOOP("RuntimeError", "File not found");
        break;
    case ErrorNumber::InvalidUseOfNull:
        text = QT_TRANSLATE_NOOP("RuntimeError", "Invalid use of Null");
        break;
    }
    return QCoreApplication::translate("RuntimeError", text);
}

QString errorReportText(int number, const QString& description) {
    return QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2")
        .arg(QString::number(number), description);
}

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, errorDescription(static_cast<int>(number))) {}

RuntimeError::RuntimeError(ErrorNumber number, QString description)
    : number_(static_cast<int>(number)), description_(std::move(description)),
      what_(description_.toStdString()) {}

void raise(ErrorNumber number) {
    throw RuntimeError(number);
}

void raiseGeneratorUnavailable() {
    throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                       QCoreApplication::translate("RuntimeError",
                                                   "The system's random generator is unavailable"));
}

} // namespace runtime
