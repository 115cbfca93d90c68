#include "tests/platform/doubles/MemoryRegistry.h"

using namespace platform;

QString MemoryRegistry::keyName(registry::Root root, const QStringList& path) {
    return QString::number(root, 16) + u':' + path.join(u'\\').toLower();
}

void MemoryRegistry::setValue(registry::Root root, const QString& keyPath, const QString& name,
                              quint32 type, const QByteArray& data) {
    const std::optional<QStringList> path = splitKeyPath(keyPath);
    Q_ASSERT(path);
    keys_[keyName(root, *path)].insert(name, {type, data});
}

void MemoryRegistry::setText(registry::Root root, const QString& keyPath, const QString& name,
                             const QString& text) {
    const Value value = textValue(text);
    setValue(root, keyPath, name, value.type, value.data);
}

qint32 MemoryRegistry::openKey(registry::Root root, const QString& keyPath, quint32 access,
                               RegistryKey& key) {
    opens_.append({root, keyPath, access});
    const qint32 status = EmulatedRegistry::openKey(root, keyPath, access, key);
    if (key != 0)
        openKeys_.insert(key);
    return status;
}

qint32 MemoryRegistry::closeKey(RegistryKey key) {
    openKeys_.remove(key);
    return EmulatedRegistry::closeKey(key);
}

std::optional<EmulatedRegistry::Values> MemoryRegistry::readKey(registry::Root root,
                                                                const QStringList& path) const {
    const auto key = keys_.constFind(keyName(root, path));
    if (key == keys_.constEnd())
        return std::nullopt;
    return *key;
}
