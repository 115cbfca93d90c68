#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace platform {

// The registry's numbers, as the Windows headers define them.
namespace registry {
using Root = quint32;
inline constexpr Root kCurrentUser = 0x80000001;  // HKEY_CURRENT_USER
inline constexpr Root kLocalMachine = 0x80000002; // HKEY_LOCAL_MACHINE

inline constexpr quint32 kRegSz = 1;
inline constexpr quint32 kRegExpandSz = 2;
inline constexpr quint32 kRegDword = 4;

inline constexpr qint32 kSuccess = 0;
inline constexpr qint32 kFileNotFound = 2;
inline constexpr qint32 kAccessDenied = 5;
inline constexpr qint32 kInvalidHandle = 6;
inline constexpr qint32 kMoreData = 234;

inline constexpr quint32 kKeyQueryValue = 0x0001;
inline constexpr quint32 kKeyRead = 0x20019;
// Every right that changes a key: set value, create subkey, create link, delete, write DAC and
// owner.
inline constexpr quint32 kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;
// What RegOpenKeyA asks for: whatever the caller may have.
inline constexpr quint32 kMaximumAllowed = 0x02000000;
} // namespace registry

// An open key; 0 is no key.
using RegistryKey = quintptr;

// Reads registry values the way the ANSI calls do (RegOpenKeyExA, RegQueryValueExA,
// RegCloseKey): statuses instead of exceptions, texts as bytes with their terminating NUL.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;

    // Opens keyPath under root; a trailing backslash names the same key. Sets key to 0 on
    // failure.
    virtual qint32 openKey(registry::Root root, const QString& keyPath, quint32 access,
                           RegistryKey& key) = 0;

    // Copies the value's bytes into the start of buffer. dataSize goes in as the room in the
    // buffer (at most buffer.size()) and comes back as the value's byte count. A value larger
    // than the room gives kMoreData with the count needed; on any failure the buffer and type
    // are left as they were.
    virtual qint32 queryValue(RegistryKey key, const QString& valueName, quint32& type,
                              QByteArray& buffer, quint32& dataSize) = 0;

    // Closes the key; closing 0 does nothing.
    virtual qint32 closeKey(RegistryKey key) = 0;

    // Whether a text longer than a reader's fixed buffer is to be read whole, with a buffer of
    // its size, rather than taken for a failed read: so where the values come from the desktop's
    // own files (a browser's command line has no length limit there).
    virtual bool readsLongTexts() const { return false; }
};

} // namespace platform
