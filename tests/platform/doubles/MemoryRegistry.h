#pragma once

#include "platform/registry/EmulatedRegistry.h"

#include <QList>
#include <QSet>

// A registry held in memory: the values a test puts in, and a record of how it was used.
class MemoryRegistry : public platform::EmulatedRegistry {
public:
    struct Open {
        platform::registry::Root root;
        QString keyPath;
        quint32 access;
    };

    void setValue(platform::registry::Root root, const QString& keyPath, const QString& name,
                  quint32 type, const QByteArray& data);
    // A text value with its terminating NUL.
    void setText(platform::registry::Root root, const QString& keyPath, const QString& name,
                 const QString& text);
    // Read-only keys (the default) refuse to open with rights to change them.
    void setWritable(bool writable) { writable_ = writable; }

    qint32 openKey(platform::registry::Root root, const QString& keyPath, quint32 access,
                   platform::RegistryKey& key) override;
    qint32 closeKey(platform::RegistryKey key) override;

    // Every open, in order, failed ones too.
    const QList<Open>& opens() const { return opens_; }
    // Keys opened and not closed.
    qsizetype openKeyCount() const { return openKeys_.size(); }

protected:
    std::optional<Values> readKey(platform::registry::Root root,
                                  const QStringList& path) const override;
    bool writable() const override { return writable_; }

private:
    static QString keyName(platform::registry::Root root, const QStringList& path);

    QHash<QString, Values> keys_;
    bool writable_ = false;
    QList<Open> opens_;
    QSet<platform::RegistryKey> openKeys_;
};
