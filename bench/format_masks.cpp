// Long masks through Format: each kind of mask at 100,000 and 1,000,000 characters. The time
// must grow linearly with the mask: the 1 MB mask may take at most 10 times as long as the
// 100 KB one (a scan that went back over the mask would take 100 times as long). Prints one line
// per kind and exits 1 when a kind takes more than 12 times as long: 20 % is left for the noise
// of a shared machine, whose caches also favour the smaller mask.
// Usage: bench_format_masks [SMALL_SIZE] [LARGE_SIZE]

#include "platform/runtime/format/Format.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

struct MaskKind {
    const char* name;
    const char* text; // the expression
    const char* unit; // repeated to the mask's length
};

// Every section of the format language: runs of one date field (each field takes a run from
// the left), mixed date fields and separators, numbers, text placeholders and flags, quoted and
// escaped literals, sections.
constexpr MaskKind kKinds[] = {
    {"date s", "1", "s"},
    {"date m", "1", "m"},
    {"date y", "1", "y"},
    {"date d", "1", "d"},
    {"date w", "1", "w"},
    {"date h m", "1", "h m "},
    {"date mixed", "36000.5", "dd/mm/yyyy hh:nn:ss AM/PM q ww "},
    {"date quoted", "1", "m\"x\""},
    {"number 0", "1234.5", "0"},
    {"number #,", "1234.5", "#,"},
    {"number mixed", "1234.5", "#,##0.00E+00% "},
    {"number quoted", "1234.5", "0\\x\"y\""},
    {"text @", "password", "@"},
    {"text mixed", "password", "@&<>!-"},
    {"text quoted", "password", "@\"q\"\\e"},
    {"sections", "-1", "0;"},
    {"literal", "1", "x"},
};

QString maskOf(const MaskKind& kind, qsizetype size) {
    const QString unit = QString::fromUtf8(kind.unit);
    QString mask;
    mask.reserve(size + unit.size());
    while (mask.size() < size)
        mask.append(unit);
    mask.truncate(size);
    return mask;
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Processor time (steadier than wall time on a busy machine), best of seven, in seconds.
double timeOf(const QString& text, const QString& mask) {
    double best = 1e300;
    for (int run = 0; run < 7; ++run) {
        const double start = cpuSeconds();
        const QString result = runtime::Format(text, mask);
        const double seconds = cpuSeconds() - start;
        if (result.isNull())
            std::abort(); // keeps the call
        best = std::min(best, seconds);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const qsizetype small = argc > 1 ? std::atol(argv[1]) : 100'000;
    const qsizetype large = argc > 2 ? std::atol(argv[2]) : 1'000'000;
    // Linear time: the ratio of the times is the ratio of the sizes, give or take the noise.
    const double allowed = 1.2 * static_cast<double>(large) / static_cast<double>(small);

    std::printf("%-14s %9lld ch %9lld ch %8s\n", "mask (ms)", static_cast<long long>(small),
                static_cast<long long>(large), "ratio");
    bool linear = true;
    for (const MaskKind& kind : kKinds) {
        const QString text = QString::fromUtf8(kind.text);
        const double a = timeOf(text, maskOf(kind, small));
        const double b = timeOf(text, maskOf(kind, large));
        const double ratio = b / a;
        const bool ok = ratio <= allowed;
        linear = linear && ok;
        std::printf("%-14s %12.2f %12.2f %8.2f%s\n", kind.name, a * 1e3, b * 1e3, ratio,
                    ok ? "" : "  TOO SLOW");
    }
    std::printf("%s (limit %.1f)\n", linear ? "linear" : "NOT LINEAR", allowed);
    return linear ? 0 : 1;
}
