#include "platform/registry/EmulatedRegistry.h"

namespace platform {

std::optional<QStringList> EmulatedRegistry::splitKeyPath(const QString& keyPath) {
    QString path = keyPath;
    if (path.endsWith(u'\\'))
        path.chop(1);
    if (path.isEmpty())
        return QStringList();
    const QStringList names = path.split(u'\\');
    for (const QString& name : names) {
        if (name.isEmpty())
            return std::nullopt;
    }
    return names;
}

EmulatedRegistry::Value EmulatedRegistry::textValue(const QString& text) {
    QByteArray data = text.toLocal8Bit();
    data.append('\0');
    return {registry::kRegSz, data};
}

qint32 EmulatedRegistry::openKey(registry::Root root, const QString& keyPath, quint32 access,
                                 RegistryKey& key) {
    key = 0;
    if (root != registry::kCurrentUser && root != registry::kLocalMachine)
        return registry::kInvalidHandle;
    const std::optional<QStringList> path = splitKeyPath(keyPath);
    if (!path)
        return registry::kFileNotFound;
    std::optional<Values> values = readKey(root, *path);
    if (!values)
        return registry::kFileNotFound;

    quint32 granted = access;
    if (access & registry::kMaximumAllowed)
        granted = writable() ? ~registry::kMaximumAllowed : registry::kKeyRead;
    else if (!writable() && (access & registry::kWriteRights))
        return registry::kAccessDenied;

    key = nextKey_++;
    open_.insert(key, {std::move(*values), granted});
    return registry::kSuccess;
}

qint32 EmulatedRegistry::queryValue(RegistryKey key, const QString& valueName, quint32& type,
                                    QByteArray& buffer, quint32& dataSize) {
    const auto open = open_.constFind(key);
    if (open == open_.constEnd())
        return registry::kInvalidHandle;
    if (!(open->granted & registry::kKeyQueryValue))
        return registry::kAccessDenied;

    for (auto value = open->values.cbegin(); value != open->values.cend(); ++value) {
        if (value.key().compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray& data = value->data;
        const quint32 room = qMin<quint32>(dataSize, quint32(buffer.size()));
        dataSize = quint32(data.size());
        if (dataSize > room)
            return registry::kMoreData;
        buffer.replace(0, data.size(), data);
        type = value->type;
        return registry::kSuccess;
    }
    return registry::kFileNotFound;
}

qint32 EmulatedRegistry::closeKey(RegistryKey key) {
    if (key == 0)
        return registry::kSuccess;
    return open_.remove(key) ? registry::kSuccess : registry::kInvalidHandle;
}

} // namespace platform
