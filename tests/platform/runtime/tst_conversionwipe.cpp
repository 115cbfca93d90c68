// Reading a text as a number and formatting it leave no copy of its digits in freed memory: the
// text may be a password (a mask that reads the body as a number) or the length text. This
// program replaces the global operator new and delete to look into every block the standard
// library frees while a conversion runs.

#include "platform/runtime/Conversions.h"
#include "platform/runtime/NumberReader.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/format/Format.h"

#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>

namespace {

// Digits found in every form the value takes: the text, its digits, the rounded digits.
constexpr char kMarker[] = "20518467";

std::atomic<bool> watching{false};
std::atomic<int> leftBehind{0};

// Each block starts with its size, so that the whole block can be searched when it is freed.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* allocate(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block)
        throw std::bad_alloc();
    std::memcpy(block, &size, sizeof size);
    return static_cast<char*>(block) + kHeader;
}

void release(void* pointer) noexcept {
    if (!pointer)
        return;
    char* block = static_cast<char*>(pointer) - kHeader;
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    if (watching && memmem(pointer, size, kMarker, sizeof kMarker - 1) != nullptr)
        ++leftBehind;
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* pointer) noexcept {
    release(pointer);
}
void operator delete[](void* pointer) noexcept {
    release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    release(pointer);
}

Q_DECLARE_METATYPE(std::function<void()>)

class TestConversionWipe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void noDigitsLeftBehind_data() {
        QTest::addColumn<std::function<void()>>("conversion");
        // Long enough for the standard library to keep each copy on the heap. The length text is
        // read by the same reader as the number under a mask.
        QTest::newRow("exponent") << std::function<void()>([] {
            try {
                runtime::CDbl(QStringLiteral("1E0000000920518467"));
            } catch (const runtime::RuntimeError&) { // overflow, as expected
            }
        });
        QTest::newRow("number mask") << std::function<void()>([] {
            runtime::Format(QStringLiteral("92051846730219473"), QStringLiteral("#,##0.00"));
        });
    }
    void noDigitsLeftBehind() {
        QFETCH(std::function<void()>, conversion);
        leftBehind = 0;
        watching = true;
        conversion();
        watching = false;
        QCOMPARE(leftBehind.load(), 0);
    }
};

QTEST_GUILESS_MAIN(TestConversionWipe)
#include "tst_conversionwipe.moc"
