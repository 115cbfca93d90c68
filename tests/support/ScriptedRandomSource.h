#pragma once

#include "platform/runtime/RandomSource.h"

#include <QList>
#include <QtTest>

// A random source that hands out a fixed list of values and counts the draws. Running past the
// end of the list fails the test: every test states exactly the draws it expects.
class ScriptedRandomSource final : public runtime::RandomSource {
public:
    explicit ScriptedRandomSource(QList<float> values = {}) : values_(std::move(values)) {}

    float next() override {
        if (draws_ >= values_.size()) {
            QTest::qFail("the scripted random source ran out of values", __FILE__, __LINE__);
            ++draws_;
            return 0.0f;
        }
        return values_[draws_++];
    }

    qsizetype draws() const { return draws_; }
    void append(float value) { values_.append(value); }

    // The value that makes RandomBetween(upper, lower) give wanted, for small spans.
    static float valueFor(int wanted, int upper, int lower) {
        const int span = upper - lower + 1;
        return (static_cast<float>(wanted - lower) + 0.5f) / static_cast<float>(span);
    }

private:
    QList<float> values_;
    qsizetype draws_ = 0;
};
