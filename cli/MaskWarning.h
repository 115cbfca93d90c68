#pragma once

#include "core/PasswordEntropy.h"

#include <QString>

#include <optional>

namespace cli {

// The strength as printed: "N bits", "about N bits" or "at most N bits".
QString strengthText(const core::PasswordEntropy& entropy);

// The warning for a mask that can make different passwords come out alike, saying why in one
// line, or nothing. It names no password.
std::optional<QString> maskWarning(const core::PasswordEntropy& entropy);

// The refusal of a mask that can make a body an empty text: an empty line is no password.
QString emptyBodyError();

} // namespace cli
