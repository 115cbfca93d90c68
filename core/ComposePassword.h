#pragma once

#include "core/GenerationSettings.h"
#include "platform/runtime/RandomSource.h"
#include "platform/runtime/SystemRandomSource.h"

#include <QString>

namespace core {

// The longest body the composition makes. The window's output box holds it whole; a longer
// length fails before any draw with the runtime's Overflow error, like a number out of range.
inline constexpr qint32 kMaxPasswordLength = 65535;

// The length text as a whole number of characters: Type mismatch when it is not a number,
// Overflow beyond the 32-bit range or beyond kMaxPasswordLength. 0 or below means an empty body.
qint32 PasswordLength(const QString& lengthText);

// How many values of the random source one password takes: L for letters or digits, 2L for the
// mixed type, and L - 1 coins more for the mixed case when L is 2 or more.
qint64 DrawsPerPassword(qint32 length, const GenerationSettings& settings);

// Called after every character appended and every position of the mixed case pass, so that a
// window can keep painting. Must not throw.
class Yield {
public:
    virtual ~Yield() = default;
    virtual void operator()() = 0;
};

// A yield that does nothing, for callers without a user interface.
class NoYield final : public Yield {
public:
    void operator()() override {}
};

// Turns the settings into prefix + body + suffix: a body of random capitals and digits of the
// requested length, then the case pass, then the mask through Format. Raises a RuntimeError
// (Type mismatch or Overflow for the length, any error of Format for the mask); nothing of a
// failed composition is returned, and its working text is wiped.
QString ComposePassword(const GenerationSettings& settings, runtime::RandomSource& source,
                        Yield& yield);

// Bulk generation of many passwords with the same settings, with nothing to yield to: the same
// draws and the same text as ComposePassword, written into password (whose memory is reused and
// whose earlier contents are overwritten). length is PasswordLength(settings.lengthText), which
// the caller converts once for all the passwords. Raises the errors of ComposePassword but those
// of the length.
void ComposePasswordInto(QString& password, const GenerationSettings& settings, qint32 length,
                         runtime::SystemRandomSource& source);

// The mask, then prefix and suffix, around a body the caller made: the output written into
// password (its earlier contents overwritten), the body used up and wiped. Raises any error of
// Format for the mask.
void FinishPassword(QString& password, QString& body, const GenerationSettings& settings);

} // namespace core
