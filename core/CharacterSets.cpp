#include "core/CharacterSets.h"

#include "core/ComposePassword.h"
#include "platform/runtime/StringOps.h"

#include <algorithm>
#include <cmath>

namespace core {
namespace {

constexpr std::uint32_t kTwoTo24 = std::uint32_t{1} << 24;

// One more character for the shares of the bodies that hold every class of each subset: from
// the shares of the bodies one shorter, `shorter`, into `longer`. A body holds every class of s
// when its first character is of class k and the rest hold every class of s without k: the
// classes' shares of the alphabet weigh those of the shorter bodies, in positive terms only, so
// no count cancels another whatever the sizes.
template <typename Real>
void lengthenShares(const QList<Real>& classShare, const Real* shorter, Real* longer) {
    const auto classes = static_cast<std::uint32_t>(classShare.size());
    for (std::uint32_t subset = 0; subset < (std::uint32_t{1} << classes); ++subset) {
        Real share = 0;
        for (std::uint32_t k = 0; k < classes; ++k)
            share += classShare[k] * shorter[subset & ~(std::uint32_t{1} << k)];
        longer[subset] = share;
    }
}

template <typename Real> QList<Real> classSharesOf(const CharacterSets& sets) {
    QList<Real> shares;
    const auto size = static_cast<Real>(sets.alphabetSize());
    for (const QList<char32_t>& characters : sets.classes)
        shares.append(static_cast<Real>(characters.size()) / size);
    return shares;
}

// log2 of the number of bodies, every one as likely: |A|^L; with every class, that times the
// share of them that holds every class, at least |A|^-5 for five classes (no underflow), worked
// out in long double: a relative error of a few L x 2^-64, below 1e-13 at the longest.
double bodyBits(const CharacterSets& sets, qint32 length) {
    const auto size = static_cast<long double>(sets.alphabetSize());
    const long double all = length * std::log2(size);
    if (!sets.everyClass)
        return static_cast<double>(all);
    const QList<long double> classShare = classSharesOf<long double>(sets);
    const std::size_t subsets = std::size_t{1} << classShare.size();
    std::vector<long double> shorter(subsets, 0), longer(subsets, 0);
    shorter[0] = 1; // the empty body holds no class, and every class of the empty subset
    for (qint32 r = 0; r < length; ++r) {
        lengthenShares(classShare, shorter.data(), longer.data());
        shorter.swap(longer);
    }
    return static_cast<double>(all + std::log2(shorter[subsets - 1]));
}

} // namespace

QList<char32_t> CharacterSets::alphabet() const {
    QList<char32_t> all;
    for (const QList<char32_t>& characters : classes)
        all.append(characters);
    return all;
}

qsizetype CharacterSets::alphabetSize() const {
    qsizetype size = 0;
    for (const QList<char32_t>& characters : classes)
        size += characters.size();
    return size;
}

SetBodyDrawer::SetBodyDrawer(const CharacterSets& sets)
    : alphabet_(sets.alphabet()), size_(static_cast<std::uint64_t>(alphabet_.size())),
      threshold_(size_ == 0 ? 0 : kTwoTo24 % size_) {
    for (qsizetype k = 0; k < sets.classes.size(); ++k) {
        const std::uint32_t bit = sets.everyClass ? std::uint32_t{1} << k : 0;
        allClasses_ |= bit;
        for (const char32_t c : sets.classes[k]) {
            classBit_.append(bit);
            wide_ = wide_ || QChar::requiresSurrogates(c);
        }
    }
    Q_ASSERT(sets.classes.size() <= kMostClasses);
    std::size_t start = 0;
    for (const QList<char32_t>& characters : sets.classes) {
        const auto classSize = static_cast<std::uint64_t>(characters.size());
        classStart_.append(start);
        classSize_.append(classSize);
        classThreshold_.append(kTwoTo24 % classSize);
        start += characters.size();
    }
    classShare_ = classSharesOf<double>(sets);
}

void SetBodyDrawer::countBodies(qint32 length) const {
    const std::size_t subsets = std::size_t{1} << classShare_.size();
    shares_.assign((static_cast<std::size_t>(length) + 1) * subsets, 0);
    shares_[0] = 1;
    for (qint32 r = 0; r < length; ++r)
        lengthenShares(classShare_, &shares_[r * subsets], &shares_[(r + 1) * subsets]);
    // Redrawing whole bodies takes 1 / share tries on average: up to two, it is the cheaper.
    byCounts_ = shares_[static_cast<std::size_t>(length) * subsets + subsets - 1] < 0.5;
    if (!byCounts_) {
        shares_.clear();
        shares_.shrink_to_fit();
    }
    countedLength_ = length;
}

double SetBodyBits(const CharacterSets& sets, qint32 length) {
    return bodyBits(sets, length);
}

void ComposeSetPasswordInto(QString& password, const GenerationSettings& settings,
                            const SetBodyDrawer& drawer, qint32 length,
                            runtime::SystemRandomSource& source) {
    if (password.size() > length)
        runtime::overwrite(password); // nothing of the longer text stays behind the new one
    const auto next = [&source] { return source.nextWholeNumber(); };
    if (settings.mask.isEmpty() && settings.prefix.isEmpty() && settings.suffix.isEmpty()) {
        drawer.draw(password, length, next);
        return;
    }
    QString body;
    drawer.draw(body, length, next);
    FinishPassword(password, body, settings);
}

} // namespace core
