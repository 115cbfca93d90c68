#include "cli/CommandLine.h"

#include <QCoreApplication>

#include "cli/CharacterSetChoice.h"
#include "cli/ErrorText.h"
#include "core/PasswordEntropy.h"
#include "platform/runtime/AppInfo.h"
#include "platform/runtime/format/FormatSections.h"

#include <QCommandLineParser>

#include <algorithm>
#include <limits>

namespace cli {
namespace {

Request error(const QString& message) {
    Request request;
    request.kind = Request::Kind::Error;
    request.message = message;
    return request;
}

std::optional<core::PasswordType> typeFromName(const QString& name) {
    if (name == u"letters")
        return core::AlphabetsOnly;
    if (name == u"digits")
        return core::NumbersOnly;
    if (name == u"mixed")
        return core::AlphabetsAndNumbers;
    return std::nullopt;
}

std::optional<core::PasswordCase> caseFromName(const QString& name) {
    if (name == u"lower")
        return core::LowerCases;
    if (name == u"upper")
        return core::UpperCases;
    if (name == u"mixed")
        return core::MixedCases;
    return std::nullopt;
}

// The one rule for the number options: ASCII digits only, nothing around them, within a range.
std::optional<quint64> wholeNumber(const QString& text, quint64 least, quint64 most) {
    if (text.isEmpty() ||
        !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const quint64 value = text.toULongLong(&ok);
    if (!ok || value < least || value > most)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> undecodableArgument(const QList<QByteArray>& arguments) {
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QByteArray& argument = arguments[index];
        for (qsizetype i = 0; i < argument.size();) {
            const qsizetype length = utf8SequenceLength(QByteArrayView(argument).sliced(i));
            if (length == 0)
                return QCoreApplication::translate("keywright-cli",
                                                   "argument %1 is not UTF-8 text: \"%2\"")
                    .arg(index)
                    .arg(printableBytes(argument));
            i += length;
        }
    }
    return std::nullopt;
}

Request parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "keywright-cli", "Norvik Password Generator for scripts: prints random passwords, one per "
                         "line, made with the same rules as the window.\n\n"
                         "  keywright-cli [options]            print passwords\n"
                         "  keywright-cli --entropy [options]  print their strength in bits\n"
                         "  keywright-cli format TEXT MASK     print TEXT formatted through MASK"));
    static_assert(core::kDefaultLength == 6, "the help names the default length");
    const QCommandLineOption length(
        {QStringLiteral("l"), QStringLiteral("length")},
        QCoreApplication::translate("keywright-cli", "Password length, 1 to 65535 (default 6)."),
        QStringLiteral("TEXT"), QString::number(core::kDefaultLength));
    const QCommandLineOption type(
        {QStringLiteral("t"), QStringLiteral("type")},
        QCoreApplication::translate("keywright-cli",
                                    "Characters: letters, digits or mixed (default)."),
        QStringLiteral("TYPE"), QStringLiteral("mixed"));
    const QCommandLineOption letterCase(
        {QStringLiteral("c"), QStringLiteral("case")},
        QCoreApplication::translate("keywright-cli",
                                    "Letter case: lower, upper or mixed (default)."),
        QStringLiteral("CASE"), QStringLiteral("mixed"));
    const QCommandLineOption prefix(
        {QStringLiteral("p"), QStringLiteral("prefix")},
        QCoreApplication::translate("keywright-cli", "Text placed before each password."),
        QStringLiteral("TEXT"));
    const QCommandLineOption suffix(
        {QStringLiteral("s"), QStringLiteral("suffix")},
        QCoreApplication::translate("keywright-cli", "Text placed after each password."),
        QStringLiteral("TEXT"));
    const QCommandLineOption mask(
        {QStringLiteral("m"), QStringLiteral("mask")},
        QCoreApplication::translate("keywright-cli", "Format mask applied to each password body."),
        QStringLiteral("TEXT"));
    const QCommandLineOption count(
        {QStringLiteral("n"), QStringLiteral("count")},
        QCoreApplication::translate("keywright-cli", "How many passwords to print (default 1)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption firstDay(
        QStringLiteral("first-day-of-week"),
        QCoreApplication::translate(
            "keywright-cli",
            "format: first day of the week, 0 (system) or 1 (Sunday, default) to 7."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption firstWeek(
        QStringLiteral("first-week-of-year"),
        QCoreApplication::translate(
            "keywright-cli", "format: first week of the year, 0 (system) or 1 (default) to 3."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption entropy(
        QStringLiteral("entropy"),
        QCoreApplication::translate(
            "keywright-cli",
            "Print the entropy in bits of the passwords these options make, instead of "
            "passwords. A number or date mask may make passwords alike: the figure is then "
            "counted from what the mask can show, marked \"about\", or an upper bound, "
            "marked \"at most\"."));
    const QCommandLineOption symbols(
        QStringLiteral("symbols"),
        QCoreApplication::translate(
            "keywright-cli",
            "Add the printable ASCII punctuation: !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"));
    const QCommandLineOption chars(
        QStringLiteral("chars"),
        QCoreApplication::translate("keywright-cli",
                                    "Draw from these characters (any, each counted once); with "
                                    "-t, add them to its letters or digits."),
        QStringLiteral("SET"));
    const QCommandLineOption exclude(
        QStringLiteral("exclude"),
        QCoreApplication::translate("keywright-cli", "Leave these characters out."),
        QStringLiteral("CHARS"));
    const QCommandLineOption excludeSimilar(
        QStringLiteral("exclude-similar"),
        QCoreApplication::translate("keywright-cli",
                                    "Leave out look-alikes: 0 O o 1 l I | 5 S 2 Z 8 B."));
    const QCommandLineOption everyClass(
        QStringLiteral("every-class"),
        QCoreApplication::translate("keywright-cli",
                                    "At least one character of each class chosen (small letters, "
                                    "capitals, digits, symbols, your own)."));
    parser.addOptions({length, type, letterCase, prefix, suffix, mask, count, entropy, symbols,
                       chars, exclude, excludeSimilar, everyClass, firstDay, firstWeek});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("format"),
        QCoreApplication::translate("keywright-cli", "Try a mask: format TEXT MASK."),
        QStringLiteral("[format TEXT MASK]"));

    if (!parser.parse(arguments))
        return error(parser.errorText());
    // --help-all, which addHelpOption() adds to show Qt's own options too, shows the same help:
    // this QtCore program has no Qt options to add.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        Request request;
        request.kind = Request::Kind::Help;
        request.message = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        Request request;
        request.kind = Request::Kind::Version;
        request.message =
            QStringLiteral("keywright-cli %1").arg(QLatin1String(runtime::app::kVersion));
        return request;
    }

    const QStringList positional = parser.positionalArguments();
    const bool formatting = !positional.isEmpty();
    if (formatting && positional.first() != u"format")
        return error(QCoreApplication::translate("keywright-cli", "unknown command \"%1\"")
                         .arg(positional.first()));
    if (formatting && positional.size() != 3)
        return error(QCoreApplication::translate("keywright-cli",
                                                 "format takes exactly two arguments: TEXT MASK"));
    // An option that does not apply to what is asked is refused rather than ignored.
    for (const QCommandLineOption* option :
         {&length, &type, &letterCase, &prefix, &suffix, &mask, &count, &entropy, &symbols, &chars,
          &exclude, &excludeSimilar, &everyClass}) {
        if (formatting && parser.isSet(*option))
            return error(QCoreApplication::translate("keywright-cli", "%1 does not apply to format")
                             .arg(QStringLiteral("--") + option->names().constLast()));
    }
    for (const QCommandLineOption* option : {&firstDay, &firstWeek}) {
        if (!formatting && parser.isSet(*option))
            return error(QCoreApplication::translate("keywright-cli", "%1 applies only to format")
                             .arg(QStringLiteral("--") + option->names().constLast()));
    }

    if (formatting) {
        Request request;
        request.kind = Request::Kind::FormatText;
        request.text = positional[1];
        request.mask = positional[2];
        const auto day = wholeNumber(parser.value(firstDay), 0, 7);
        if (!day)
            return error(QCoreApplication::translate(
                             "keywright-cli",
                             "invalid first day of week \"%1\": use a whole number from 0 to 7")
                             .arg(parser.value(firstDay)));
        const auto week = wholeNumber(parser.value(firstWeek), 0, 3);
        if (!week)
            return error(QCoreApplication::translate(
                             "keywright-cli",
                             "invalid first week of year \"%1\": use a whole number from 0 to 3")
                             .arg(parser.value(firstWeek)));
        request.firstDayOfWeek = static_cast<int>(*day);
        request.firstWeekOfYear = static_cast<int>(*week);
        return request;
    }

    Request request;
    request.settings.lengthText = parser.value(length);
    const auto chosenType = typeFromName(parser.value(type));
    if (!chosenType)
        return error(QCoreApplication::translate(
                         "keywright-cli", "invalid type \"%1\": use letters, digits or mixed")
                         .arg(parser.value(type)));
    request.settings.type = *chosenType;
    const auto chosenCase = caseFromName(parser.value(letterCase));
    if (!chosenCase)
        return error(QCoreApplication::translate("keywright-cli",
                                                 "invalid case \"%1\": use lower, upper or mixed")
                         .arg(parser.value(letterCase)));
    request.settings.pwdCase = *chosenCase;
    request.settings.prefix = parser.value(prefix);
    request.settings.suffix = parser.value(suffix);
    request.settings.mask = parser.value(mask);
    const auto chosenCount =
        wholeNumber(parser.value(count), 1, std::numeric_limits<quint64>::max());
    if (!chosenCount)
        return error(QCoreApplication::translate(
                         "keywright-cli", "invalid count \"%1\": use a positive whole number")
                         .arg(parser.value(count)));
    request.count = *chosenCount;
    if (parser.isSet(entropy))
        request.kind = Request::Kind::Entropy;
    // Any of the character-set options draws the body from an alphabet of its own; without them
    // the passwords are the window's, draw for draw.
    if (parser.isSet(symbols) || parser.isSet(chars) || parser.isSet(exclude) ||
        parser.isSet(excludeSimilar) || parser.isSet(everyClass)) {
        CharacterSetOptions options;
        options.type = *chosenType;
        options.letterCase = *chosenCase;
        options.typeGiven = parser.isSet(type);
        options.symbols = parser.isSet(symbols);
        options.chars = parser.value(chars);
        options.exclude = parser.value(exclude);
        options.excludeSimilar = parser.isSet(excludeSimilar);
        options.everyClass = parser.isSet(everyClass);
        auto chosen = chooseCharacterSets(options);
        if (const QString* message = std::get_if<QString>(&chosen))
            return error(*message);
        // Turning every letter to one case would take a class of letters out of the passwords.
        const QString& chosenMask = request.settings.mask;
        if (options.everyClass && !chosenMask.isEmpty() &&
            runtime::format::isTextFormat(chosenMask) && core::TextMaskFoldsCase(chosenMask))
            return error(QCoreApplication::translate(
                "keywright-cli", "--every-class cannot be used with a mask that turns the "
                                 "letters to one case (< or >)"));
        request.sets = std::get<core::CharacterSets>(std::move(chosen));
    }
    return request;
}

} // namespace cli
