#include "platform/web/OpenWebAddress.h"

#include "platform/PlatformServices.h"
#include "platform/process/ProgramStarter.h"
#include "platform/runtime/StringOps.h"

namespace platform {

namespace {
const QString kClientsKey = QStringLiteral("SOFTWARE\\Clients\\StartMenuInternet");
} // namespace

QString CutAtNul(const QString& text) {
    const qint32 nul = runtime::InStr(text, QString(QChar(u'\0')));
    return nul > 0 ? runtime::Left(text, nul - 1) : text;
}

QString ReadRegistryText(RegistryReader& registry, registry::Root root, const QString& keyPath,
                         const QString& valueName, quint32& valueType, const QString& defaultText) {
    RegistryKey key = 0;
    registry.openKey(root, keyPath, registry::kMaximumAllowed, key);

    // A value shorter than the buffer leaves spaces behind its NUL; the trim removes them and the
    // cut whatever else follows the NUL.
    QByteArray buffer(kRegistryTextBufferSize, ' ');
    quint32 dataSize = kRegistryTextBufferSize;
    if (registry.queryValue(key, valueName, valueType, buffer, dataSize) == registry::kMoreData &&
        registry.readsLongTexts()) {
        buffer = QByteArray(qsizetype(dataSize), ' ');
        registry.queryValue(key, valueName, valueType, buffer, dataSize);
    }
    const QString text = CutAtNul(runtime::Trim(QString::fromLocal8Bit(buffer)));

    registry.closeKey(key);
    return text.isEmpty() ? defaultText : text;
}

void OpenWebAddress(const PlatformServices& services, const QString& address) {
    quint32 type = registry::kRegSz;
    const QString machineBrowser =
        ReadRegistryText(services.registry, registry::kLocalMachine, kClientsKey, {}, type, {});
    type = registry::kRegSz;
    const QString browser = ReadRegistryText(services.registry, registry::kCurrentUser, kClientsKey,
                                             {}, type, machineBrowser);
    type = registry::kRegSz;
    const QString command = ReadRegistryText(
        services.registry, registry::kLocalMachine,
        kClientsKey + u'\\' + browser + QStringLiteral("\\shell\\open\\command\\"), {}, type, {});

    services.starter.start(command + u' ' + address, windowstyle::kMinimizedFocus);
}

} // namespace platform
