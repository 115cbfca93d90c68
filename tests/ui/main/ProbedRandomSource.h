#pragma once

#include "platform/runtime/RandomSource.h"

#include <QList>
#include <QtTest>

#include <functional>

// Hands out a fixed list of values, like ScriptedRandomSource, and runs a probe before the
// first draw: the moment the composition is under way, to look at the windows meanwhile.
class ProbedRandomSource final : public runtime::RandomSource {
public:
    float next() override {
        if (draws_ == 0 && beforeFirstDraw)
            beforeFirstDraw();
        if (draws_ >= values.size()) {
            if (draws_ == values.size())
                QTest::qFail("the random source ran out of values", __FILE__, __LINE__);
            ++draws_;
            return 0.0f;
        }
        return values[draws_++];
    }
    qsizetype draws() const { return draws_; }

    QList<float> values;
    std::function<void()> beforeFirstDraw;

private:
    qsizetype draws_ = 0;
};
