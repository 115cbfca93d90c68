#pragma once

#include <QString>

#include <string>

namespace cli {

// Buffered output of passwords to a file descriptor. The buffer is wiped after every write.
// A reader that has gone away (a closed pipe) is reported by write() returning false, so that the
// program can end quietly.
class OutputStream {
public:
    explicit OutputStream(int fd);
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Appends the text and a line feed; false once the output can no longer be written.
    bool writeLine(const QString& text);
    bool flush();
    // The errno of the write that failed (EPIPE for a reader that has gone), 0 while none has.
    int error() const { return error_; }

private:
    bool makeRoom(std::size_t bytes);

    int fd_;
    std::string buffer_;
    bool failed_ = false;
    int error_ = 0;
};

} // namespace cli
