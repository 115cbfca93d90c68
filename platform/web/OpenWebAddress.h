#pragma once

#include "platform/registry/RegistryReader.h"

#include <QString>

namespace platform {

struct PlatformServices;

// Room for one text read by ReadRegistryText, its terminating NUL included.
inline constexpr int kRegistryTextBufferSize = 500;

// The text before the first NUL character; the whole text when there is none.
QString CutAtNul(const QString& text);

// One registry value read as text, or defaultText when the read gives nothing. No status is
// examined but the one of a value too long for the buffer: that value reads as empty, or whole
// from a registry that reads long texts. A missing key or value reads as empty. Leading
// spaces of the value are trimmed; trailing ones survive, protected by the terminating NUL.
// valueType is overwritten with the stored type and never checked.
QString ReadRegistryText(RegistryReader& registry, registry::Root root, const QString& keyPath,
                         const QString& valueName, quint32& valueType, const QString& defaultText);

// Starts the default web browser on address: the browser's stored command, one space, then the
// address, unquoted, minimised with the focus. The user's choice of browser (HKEY_CURRENT_USER)
// wins over the machine's; its command is always read from HKEY_LOCAL_MACHINE. Raises runtime
// error 53 when the command line cannot be started, also when no browser is registered.
void OpenWebAddress(const PlatformServices& services, const QString& address);

} // namespace platform
