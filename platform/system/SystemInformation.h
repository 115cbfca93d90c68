#pragma once

#include "platform/registry/RegistryReader.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace platform {

struct PlatformServices;

// Shows a message box with the given text and buttons-and-icon style, titled with the program's
// title, and waits for it to close.
using ShowMessageBox = std::function<void(const QString& text, int style)>;

// The message when the tool cannot be started, in English; shown in the user's language.
inline constexpr char kSystemInformationUnavailable[] =
    QT_TRANSLATE_NOOP("SystemInformation", "System Information Is Unavailable At This Time");

// Reads one registry value, opened for reading only, as text: a text value (type 1) as it is
// stored, without one trailing NUL; a 32-bit number (type 4) as its decimal digits; any other
// type leaves value as the caller passed it. False with value "" when the key cannot be opened
// or the value not read (missing, or over 1024 bytes). Raises runtime error 5 for a value
// with no data at all.
bool GetKeyValue(RegistryReader& registry, registry::Root root, const QString& keyPath,
                 const QString& valueName, QString& value);

// Starts the system information tool, found in the registry, in a normal window; when it cannot
// be found or started, or anything on the way fails, shows the one "unavailable" message instead.
// Never raises.
void StartSysInfo(const PlatformServices& services, const ShowMessageBox& showMessageBox);

} // namespace platform
