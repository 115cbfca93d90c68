#pragma once

#include <QString>

#include <exception>
#include <string>

namespace runtime {

// The run-time errors the program can raise, numbered as the classic runtime numbers them.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    TypeMismatch = 13,
    FileNotFound = 53,
    InvalidUseOfNull = 94,
};

// The runtime's own text for an error number ("Overflow" for 6).
QString errorDescription(int number);

// The text of the runtime's report of an error: "Run-time error '6':", a blank line, "Overflow".
QString errorReportText(int number, const QString& description);

// A run-time error: the one exception type every layer raises and every handler catches.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(ErrorNumber number, QString description);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

[[noreturn]] void raise(ErrorNumber number);

// The error of a random generator that fails: without one no password may be made at all.
[[noreturn]] void raiseGeneratorUnavailable();

} // namespace runtime
