#include "OutputStream.h"

#include <cerrno>
#include <cstring>
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
    explicit_bzero(buffer_.data(), buffer_.capacity());
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
    const qsizetype size = text.size();
    const QChar* chars = text.constData();
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i)
        ascii = chars[i].unicode() < 0x80;
    if (ascii) {
        if (!makeRoom(static_cast<std::size_t>(size) + 1))
            return false;
        const std::size_t at = buffer_.size();
        buffer_.resize(at + static_cast<std::size_t>(size));
        char* out = buffer_.data() + at;
        for (qsizetype i = 0; i < size; ++i)
            out[i] = static_cast<char>(chars[i].unicode());
    } else {
        QByteArray utf8 = text.toUtf8();
        const bool room = makeRoom(static_cast<std::size_t>(utf8.size()) + 1);
        if (room)
            buffer_.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        explicit_bzero(utf8.data(), static_cast<std::size_t>(utf8.size()));
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
    explicit_bzero(buffer_.data(), buffer_.size());
    buffer_.clear();
    return !failed_;
}

} // namespace cli
