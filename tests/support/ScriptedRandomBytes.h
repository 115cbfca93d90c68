#pragma once

#include "platform/runtime/RandomBytes.h"

#include <QByteArray>
#include <QList>
#include <QtTest>

#include <cmath>
#include <cstring>

// A generator of random bytes that hands out a fixed script and counts the requests. Running
// past the end of the script fails the test: every test states exactly the bytes it expects.
class ScriptedRandomBytes final : public runtime::RandomBytes {
public:
    explicit ScriptedRandomBytes(QByteArray bytes = {}) : bytes_(std::move(bytes)) {}

    void fill(unsigned char* out, std::size_t count) override {
        ++requests_;
        if (static_cast<std::size_t>(bytes_.size() - used_) < count) {
            QTest::qFail("the scripted generator ran out of bytes", __FILE__, __LINE__);
            std::memset(out, 0, count);
            return;
        }
        std::memcpy(out, bytes_.constData() + used_, count);
        used_ += static_cast<qsizetype>(count);
    }

    qsizetype used() const { return used_; }
    int requests() const { return requests_; }

    // The bytes that give the values of a source: the 24-bit number n = r x 2^24 (rounded down
    // to the grid of the source's values) in three bytes, the lowest first.
    static QByteArray forValues(const QList<float>& values) {
        QByteArray bytes;
        for (const float r : values) {
            const auto n = static_cast<quint32>(std::floor(static_cast<double>(r) * 16777216.0));
            bytes.append(static_cast<char>(n & 0xFF));
            bytes.append(static_cast<char>((n >> 8) & 0xFF));
            bytes.append(static_cast<char>((n >> 16) & 0xFF));
        }
        return bytes;
    }

private:
    QByteArray bytes_;
    qsizetype used_ = 0;
    int requests_ = 0;
};
