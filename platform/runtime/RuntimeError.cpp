#include "RuntimeError.h"

namespace runtime {

QString errorDescription(int number) {
    switch (static_cast<ErrorNumber>(number)) {
    case ErrorNumber::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

QString errorReportText(int number, const QString& description) {
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(description);
}

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, errorDescription(static_cast<int>(number))) {}

RuntimeError::RuntimeError(ErrorNumber number, QString description)
    : number_(static_cast<int>(number)), description_(std::move(description)),
      what_(description_.toStdString()) {}

void raise(ErrorNumber number) {
    throw RuntimeError(number);
}

} // namespace runtime
