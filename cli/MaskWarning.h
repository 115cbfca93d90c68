#pragma once

#include "GenerationSettings.h"

#include <QString>

#include <optional>

namespace cli {

// The warning for a mask that makes different passwords alike (a number, date or named mask seen
// to give two sample bodies the same text), or nothing. It names no password: the sample is not
// made of the passwords handed out.
std::optional<QString> maskWarning(const core::GenerationSettings& settings);

// The warning's text, with the entropy measured for such a mask.
QString alikeWarning(double bits);

} // namespace cli
