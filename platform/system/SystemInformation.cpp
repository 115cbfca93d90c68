#include "platform/system/SystemInformation.h"

#include "platform/PlatformServices.h"
#include "platform/files/FileFinder.h"
#include "platform/process/ProgramStarter.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringOps.h"
#include "platform/runtime/format/Format.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>
#include <optional>

namespace platform {

namespace {
constexpr int kValueBufferSize = 1024;
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kToolFile = QStringLiteral("\\MSINFO32.EXE");
constexpr int kOkOnly = 0;

// The value's bytes without one trailing NUL. Mid rejects position 0, so a value with no data
// raises Invalid procedure call.
QByteArray withoutTrailingNul(const QByteArray& buffer, quint32 dataSize) {
    // One character per byte, as the ANSI buffer holds them.
    const QString bytes = QString::fromLatin1(buffer.constData(), qsizetype(dataSize));
    const qint32 last = qint32(dataSize);
    if (runtime::Mid(bytes, last, 1) == QChar(u'\0'))
        return runtime::Left(bytes, last - 1).toLatin1();
    return bytes.toLatin1();
}

// A 32-bit number's decimal text, from its stored bytes (least significant first).
QString numberText(QByteArray bytes) {
    std::reverse(bytes.begin(), bytes.end());
    return runtime::Format(QStringLiteral("&h") + QString::fromLatin1(bytes.toHex().toUpper()));
}
} // namespace

bool GetKeyValue(RegistryReader& registry, registry::Root root, const QString& keyPath,
                 const QString& valueName, QString& value) {
    RegistryKey key = 0;
    const auto closeKey = qScopeGuard([&] { registry.closeKey(key); });
    // Open for reading only, so that a key the user may read but not change is still found.
    if (registry.openKey(root, keyPath, registry::kKeyRead, key) != registry::kSuccess) {
        value.clear();
        return false;
    }

    QByteArray buffer(kValueBufferSize, '\0');
    quint32 dataSize = kValueBufferSize;
    quint32 type = 0;
    if (registry.queryValue(key, valueName, type, buffer, dataSize) != registry::kSuccess) {
        value.clear();
        return false;
    }
    const QByteArray kept = withoutTrailingNul(buffer, dataSize);
    if (type == registry::kRegSz)
        value = QString::fromLocal8Bit(kept);
    else if (type == registry::kRegDword)
        value = numberText(kept);
    return true;
}

namespace {
// The tool's path: the full path stored for it, started without a test, or the file in the
// folder stored for it when that file exists.
std::optional<QString> findTool(RegistryReader& registry, const FileFinder& files) {
    QString path;
    if (GetKeyValue(registry, registry::kLocalMachine, kToolKey, QStringLiteral("PATH"), path))
        return path;
    if (!GetKeyValue(registry, registry::kLocalMachine, kToolFolderKey, QStringLiteral("MSINFO"),
                     path))
        return std::nullopt;
    if (files.Dir(path + kToolFile).isEmpty())
        return std::nullopt;
    return path + kToolFile;
}
} // namespace

void StartSysInfo(const PlatformServices& services, const ShowMessageBox& showMessageBox) {
    try {
        if (const std::optional<QString> tool = findTool(services.registry, services.files)) {
            services.starter.start(*tool, windowstyle::kNormalFocus);
            return;
        }
    } catch (const runtime::RuntimeError&) {
        // Reported below like any other way of not finding the tool.
    }
    showMessageBox(QCoreApplication::translate("SystemInformation", kSystemInformationUnavailable),
                   kOkOnly);
}

} // namespace platform
