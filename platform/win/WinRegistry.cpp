#include "WinRegistry.h"

#include <windows.h>

namespace platform {

namespace {
// The predefined keys are sign-extended 32-bit numbers.
HKEY rootKey(registry::Root root) {
    return reinterpret_cast<HKEY>(ULONG_PTR(LONG(root)));
}
} // namespace

qint32 WinRegistry::openKey(registry::Root root, const QString& keyPath, quint32 access,
                            RegistryKey& key) {
    const QByteArray path = keyPath.toLocal8Bit(); // the ANSI code page
    HKEY opened = nullptr;
    const LONG status = (access & registry::kMaximumAllowed)
                            ? RegOpenKeyA(rootKey(root), path.constData(), &opened)
                            : RegOpenKeyExA(rootKey(root), path.constData(), 0, access, &opened);
    key = status == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return status;
}

qint32 WinRegistry::queryValue(RegistryKey key, const QString& valueName, quint32& type,
                               QByteArray& buffer, quint32& dataSize) {
    if (key == 0)
        return ERROR_INVALID_HANDLE;
    // A value too large leaves the caller's buffer undefined: read into a copy, keep it only
    // on success.
    QByteArray data(qMin<qsizetype>(dataSize, buffer.size()), '\0');
    DWORD size = DWORD(data.size());
    DWORD storedType = 0;
    const LONG status =
        RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.toLocal8Bit().constData(), nullptr,
                         &storedType, reinterpret_cast<LPBYTE>(data.data()), &size);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)
        dataSize = size;
    if (status == ERROR_SUCCESS) {
        buffer.replace(0, qsizetype(size), data.constData(), qsizetype(size));
        type = storedType;
    }
    return status;
}

qint32 WinRegistry::closeKey(RegistryKey key) {
    return key == 0 ? ERROR_SUCCESS : RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace platform
