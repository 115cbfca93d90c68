#pragma once

#include "core/CharacterSets.h"
#include "core/PasswordEntropy.h"

#include <QString>

namespace core {

// The strength of passwords made from the sets, then the mask: the entropy of the body is the
// logarithm of the number of bodies (every one as likely); a mask is reasoned about as for the
// window's settings. mostBodiesTried: up to how many bodies are formatted one by one.
PasswordEntropy ComputeSetPasswordEntropy(const CharacterSets& sets, qint32 length,
                                          const QString& mask,
                                          double mostBodiesTried = kMostBodiesTried);

} // namespace core
