#include "fuzz/FuzzEntries.h"
#include "fuzz/FuzzSupport.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/NumberReader.h"
#include "platform/runtime/RuntimeError.h"

#include <QString>

#include <cmath>

namespace fuzz {
namespace {

// Runs a conversion and gives the error number it raised, 0 for none.
template <typename Conversion> int errorOf(Conversion conversion) {
    try {
        conversion();
        return 0;
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
}

} // namespace

int conversionsEntry(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxInputSize)
        return 0;
    const QLocale locale = localeFor(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    const runtime::NumberReading reading = runtime::readNumber(text, locale);
    const bool number = reading.status == runtime::NumberReading::Status::Number;
    const bool overflow = reading.status == runtime::NumberReading::Status::Overflow;
    require(!number || std::isfinite(reading.value), "a number that is not finite");
    require(runtime::IsNumeric(text, locale) == number, "IsNumeric disagrees with the reader");

    double value = 0.0;
    const int cdbl = errorOf([&] { value = runtime::CDbl(text, locale); });
    require(cdbl == (number ? 0 : overflow ? 6 : 13), "CDbl raised the wrong error");
    require(!number || value == reading.value, "CDbl disagrees with the reader");

    const int clng = errorOf([&] { runtime::CLng(text, locale); });
    const int cint = errorOf([&] { runtime::CInt(text, locale); });
    require(clng == 0 || clng == 6 || clng == 13, "CLng raised an unexpected error");
    require(cint == 0 || cint == 6 || cint == 13, "CInt raised an unexpected error");
    require(clng != 0 || cint == 0 || cint == 6, "CInt failed to read what CLng read");

    // A number written back in plain C form reads as the same value.
    if (number && !reading.isRadix) {
        const QString written = QString::number(reading.value, 'g', 17);
        const runtime::NumberReading again = runtime::readNumber(written, QLocale::c());
        require(again.status == runtime::NumberReading::Status::Number &&
                    again.value == reading.value,
                "a written number does not read back");
    }
    return 0;
}

} // namespace fuzz
