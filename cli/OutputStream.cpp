#include "cli/OutputStream.h"

#include "platform/runtime/StringOps.h"

#include <cerrno>
#include <unistd.h>

namespace cli {
namespace {
constexpr std::size_t kFlushAt = std::size_t{64} * 1024;
}

OutputStream::OutputStream(int fd) : fd_(fd) {
    buffer_.reserve(kFlushAt + 4096);
}

OutputStream::~OutputStream() {
    flush();
    runtime::clearBytes(buffer_.data(), buffer_.capacity());
}

// Room for bytes more without the buffer moving: a move would leave the passwords already in it
// behind in freed memory. A line longer than the whole buffer grows it once it has been emptied.
bool OutputStream::makeRoom(std::size_t bytes) {
    if (buffer_.size() + bytes <= buffer_.capacity())
        return true;
    if (!flush())
        return false;
    if (bytes > buffer_.capacity())
        buffer_.reserve(bytes);
    return true;
}

bool OutputStream::writeLine(const QString& text) {
    if (failed_)
        return false;
    // Passwords are nearly always ASCII: copied in one pass that also looks for anything else, and
    // taken back (wiped) for the UTF-8 encoding when it finds some.
    const auto size = static_cast<std::size_t>(text.size());
    if (!makeRoom(size + 1))
        return false;
    const std::size_t at = buffer_.size();
    buffer_.resize(at + size);
    char* out = buffer_.data() + at;
    const auto* chars = reinterpret_cast<const char16_t*>(text.constData());
    char16_t seen = 0;
    for (std::size_t i = 0; i < size; ++i) {
        seen |= chars[i];
        out[i] = static_cast<char>(chars[i]);
    }
    if (seen >= 0x80) {
        runtime::clearBytes(out, size);
        buffer_.resize(at);
        QByteArray utf8 = text.toUtf8();
        const bool room = makeRoom(static_cast<std::size_t>(utf8.size()) + 1);
        if (room)
            buffer_.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        runtime::clearBytes(utf8.data(), static_cast<std::size_t>(utf8.size()));
        if (!room)
            return false;
    }
    buffer_.push_back('\n');
    return buffer_.size() < kFlushAt || flush();
}

bool OutputStream::flush() {
    std::size_t written = 0;
    while (!failed_ && written < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed_ = true;
            error_ = n < 0 ? errno : EIO;
        } else
            written += static_cast<std::size_t>(n);
    }
    runtime::clearBytes(buffer_.data(), buffer_.size());
    buffer_.clear();
    return !failed_;
}

} // namespace cli
