#pragma once

#include "platform/desktop/WindowOpacity.h"
#include "platform/runtime/RuntimeError.h"

#include <QString>
#include <QStringList>

// Records the window opacity calls in order: "layered", or the opacity as a number.
class RecordingWindowOpacity final : public platform::WindowOpacity {
public:
    void makeLayered() override { calls.append(QStringLiteral("layered")); }
    void setOpacity(quint8 alpha) override {
        calls.append(QString::number(alpha));
        if (calls.last() == failAt)
            runtime::raise(runtime::ErrorNumber::Overflow);
    }

    QStringList calls;
    // An opacity whose setting fails with Overflow, to see how a failing handler is reported.
    QString failAt;
};
