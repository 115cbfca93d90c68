#pragma once

#include "platform/registry/RegistryReader.h"

#include <QHash>
#include <QMap>
#include <QStringList>

#include <optional>

namespace platform {

// The rules of the Windows registry calls (handles, access rights, key paths, buffer sizes) over
// values that a subclass supplies: the registry of a system without one, and the test double.
class EmulatedRegistry : public RegistryReader {
public:
    struct Value {
        quint32 type = registry::kRegSz;
        QByteArray data;
    };
    // A key's values by name; names compare without regard to case.
    using Values = QMap<QString, Value>;

    qint32 openKey(registry::Root root, const QString& keyPath, quint32 access,
                   RegistryKey& key) override;
    qint32 queryValue(RegistryKey key, const QString& valueName, quint32& type, QByteArray& buffer,
                      quint32& dataSize) override;
    qint32 closeKey(RegistryKey key) override;

    // The names of a key path between its backslashes; one trailing backslash names the same
    // key, and "" the root itself. Nothing for an empty name inside the path ("a\\b", "\a").
    static std::optional<QStringList> splitKeyPath(const QString& keyPath);

    // A text value as the ANSI calls give it: bytes in the local 8-bit encoding (UTF-8 on Linux)
    // and a terminating NUL.
    static Value textValue(const QString& text);

protected:
    // The values of the key named by path under root, or nothing when there is no such key.
    virtual std::optional<Values> readKey(registry::Root root, const QStringList& path) const = 0;
    // Whether a key may be opened with rights to change it.
    virtual bool writable() const { return false; }

private:
    struct OpenKey {
        Values values;
        quint32 granted = 0;
    };
    QHash<RegistryKey, OpenKey> open_;
    RegistryKey nextKey_ = 1;
};

} // namespace platform
