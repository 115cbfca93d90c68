#pragma once

#include "RegistryReader.h"

namespace platform {

// The Windows registry through advapi32's ANSI calls.
class WinRegistry : public RegistryReader {
public:
    qint32 openKey(registry::Root root, const QString& keyPath, quint32 access,
                   RegistryKey& key) override;
    qint32 queryValue(RegistryKey key, const QString& valueName, quint32& type, QByteArray& buffer,
                      quint32& dataSize) override;
    qint32 closeKey(RegistryKey key) override;
};

} // namespace platform
