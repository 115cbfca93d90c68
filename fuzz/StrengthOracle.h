#pragma once

#include "core/CharacterSets.h"
#include "core/GenerationSettings.h"
#include "core/PasswordEntropy.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A judge of the strength figures that needs no reasoning of its own: it makes settings and
// masks, lists every body the settings can give with its exact probability, formats each one and
// takes the entropy of the texts, then holds the strength calls to what it found.
namespace oracle {

// The choices of the case generator: read from fuzz input bytes (zeros past their end), or drawn
// from a seeded generator. Either way the bytes taken are kept, so that a case found by a seeded
// run can be written out as a fuzz input that makes the same case again.
class Choices {
public:
    explicit Choices(std::uint64_t seed);
    Choices(const std::uint8_t* data, std::size_t size);

    std::uint8_t byte();
    // A whole number from 0 to n - 1 (n from 1 to 65536).
    unsigned below(unsigned n);
    bool percent(unsigned chance) { return below(100) < chance; }
    const std::vector<std::uint8_t>& taken() const { return taken_; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t at_ = 0;
    bool seeded_ = false;
    std::uint64_t state_ = 0;
    std::vector<std::uint8_t> taken_;
};

// What keywright-cli's character-set options would say to make the classes of a case.
struct SetOptions {
    bool typeGiven = false;
    core::PasswordType type = core::AlphabetsAndNumbers;
    core::PasswordCase letterCase = core::MixedCases;
    bool symbols = false;
    QString chars;
    QString exclude;
};

struct Case {
    enum class Kind { Window, Sets };
    Kind kind = Kind::Window;
    core::GenerationSettings settings; // the window's: type, case, length text and mask
    core::CharacterSets sets;          // keywright-cli's own alphabets
    SetOptions options;
    qint32 length = 0;
    QString mask;
    const char* maskKind = ""; // number, date, named, text, mixed
    double bodies = 0;         // how many bodies the settings can give

    // The keywright-cli command line that asks for this figure.
    QString commandLine() const;
};

// Generation limits: no case has more bodies than mostBodies; with probability largeShare / 256
// a case may have up to that many, otherwise at most smallBodies.
struct Limits {
    double mostBodies = 1e5;
    double smallBodies = 300;
    unsigned largeShare = 64;
};

std::optional<Case> generateCase(Choices& choices, const Limits& limits);

// What the texts of a case are, found by listing every body.
struct Truth {
    double bits = 0;
    double bodies = 0;
    double texts = 0;
    bool collide = false; // two different bodies give the same text
    QString collideA;     // two such bodies and their text
    QString collideB;
    QString collideText;
    bool empty = false; // some body gives the empty text
    QString emptyFrom;  // one such body
    bool formatRaised = false;
    int formatError = 0;
    QString modelBroken; // the composition disagreed with the body and Format: the oracle's own
                         // model of the program does not hold
};

Truth truthOf(const Case& c);

struct Failure {
    QString check;  // a short name of the rule broken
    QString detail; // what the call said against the truth
};

struct Verdict {
    double mostBodiesTried = 0;
    bool raised = false;
    int error = 0;
    QString otherException;
    core::PasswordEntropy said;
    std::vector<Failure> failures;
    std::vector<Failure> notes; // bounds looser than the rules, where the reason names why
};

// The strength call of the case with that many bodies tried, held to the truth.
Verdict judge(const Case& c, const Truth& truth, double mostBodiesTried);

// One line: the command line, what it says and the truth.
QString describe(const Case& c, const Truth& truth, const Verdict& verdict, const Failure& f);

// The fuzz entry: a case from the bytes, judged with the default bodies tried and with 0; a
// broken rule is printed and ends the run.
int fuzzEntry(const std::uint8_t* data, std::size_t size);

// A seeded run (the ctest row and the long benchmark): see the usage text of the program.
struct RunDefaults {
    double seconds = 25;
    std::uint64_t cases = 0; // 0: until the time runs out
    Limits limits;
};
int runFromCommandLine(int argc, char* argv[], const RunDefaults& defaults);

} // namespace oracle
