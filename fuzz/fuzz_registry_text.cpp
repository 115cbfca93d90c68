// ReadRegistryText and CutAtNul over arbitrary bytes: a registry value of any content and size
// (no NUL, many NULs, invalid UTF-8, exactly the buffer's room), keys that fail to open, values
// too long for the buffer. The text that comes back never holds a NUL or a leading space, fits
// the buffer, and is the default whenever the read gives nothing.

#include "fuzz/FuzzSupport.h"
#include "platform/registry/RegistryReader.h"
#include "platform/web/OpenWebAddress.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// A registry of one value, the input's bytes, that keeps the reader's contract: a value larger
// than the room gives kMoreData and leaves the buffer alone.
class BytesRegistry final : public platform::RegistryReader {
public:
    BytesRegistry(bool opens, QByteArray value) : opens_(opens), value_(std::move(value)) {}

    qint32 openKey(platform::registry::Root, const QString&, quint32,
                   platform::RegistryKey& key) override {
        key = opens_ ? 1 : 0;
        return opens_ ? platform::registry::kSuccess : platform::registry::kFileNotFound;
    }

    qint32 queryValue(platform::RegistryKey key, const QString&, quint32& type, QByteArray& buffer,
                      quint32& dataSize) override {
        if (key == 0)
            return platform::registry::kInvalidHandle;
        const auto room = std::min<quint32>(dataSize, static_cast<quint32>(buffer.size()));
        const auto size = static_cast<quint32>(value_.size());
        dataSize = size;
        if (size > room)
            return platform::registry::kMoreData;
        std::copy(value_.begin(), value_.end(), buffer.begin());
        type = platform::registry::kRegSz;
        return platform::registry::kSuccess;
    }

    qint32 closeKey(platform::RegistryKey key) override {
        ++closes;
        fuzz::require(key == (opens_ ? 1u : 0u), "the key read is the key closed");
        return platform::registry::kSuccess;
    }

    int closes = 0;

private:
    bool opens_;
    QByteArray value_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool opens = (data[0] & 1) != 0;
    const QByteArray value(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));

    // CutAtNul on the same bytes read as UTF-16 text.
    const QString wide(reinterpret_cast<const QChar*>(value.constData()), value.size() / 2);
    const QString cut = platform::CutAtNul(wide);
    fuzz::require(!cut.contains(QChar(u'\0')), "no NUL after the cut");
    fuzz::require(wide.startsWith(cut), "the cut is the start of the text");
    fuzz::require(wide.contains(QChar(u'\0')) || cut == wide, "a text without NUL stays whole");
    fuzz::require(cut.size() == wide.size() || wide.at(cut.size()) == u'\0',
                  "the cut ends at the first NUL");

    BytesRegistry registry(opens, value);
    quint32 type = 0xFFFFu;
    const QString fallback = QStringLiteral("fallback");
    const QString text = platform::ReadRegistryText(
        registry, platform::registry::kLocalMachine, QStringLiteral("SOFTWARE\\Key"), QString(),
        type, fallback);
    fuzz::require(registry.closes == 1, "the key is closed once");
    fuzz::require(!text.contains(QChar(u'\0')), "no NUL in the text read");
    fuzz::require(!text.startsWith(u' '), "leading spaces trimmed");
    fuzz::require(!text.isEmpty(), "an empty read gives the default");
    const bool read = opens && value.size() <= platform::kRegistryTextBufferSize;
    if (!read)
        fuzz::require(text == fallback, "a failed read gives the default");
    // Every byte gives at most one character, so the text fits the buffer.
    fuzz::require(text == fallback || text.size() <= platform::kRegistryTextBufferSize,
                  "the text fits the buffer");
    return 0;
}
