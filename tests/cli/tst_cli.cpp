// keywright-cli as a script sees it: arguments in, passwords or one error line out.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines; // standard output, one entry per line
    QString errors;    // standard error
};

Run runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KEYWRIGHT_CLI_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = out.split(u'\n');
    if (run.lines.last().isEmpty())
        run.lines.removeLast();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// One of each class (a A 0 !) beside 20,000 of one's own: 1 in 10^15 uniform bodies holds all.
QStringList loneClassesBesideOwn() {
    QString own;
    for (char16_t c = 0x4E00; c < 0x4E00 + 20000; ++c)
        own.append(QChar(c));
    const QString others = QStringLiteral("bcdefghijklmnopqrstuvwxyzBCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          "123456789\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
    return {"--every-class", "--symbols", "-t", "mixed", "--chars", own,
            "--exclude",     others,      "-l", "5"};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void passwords_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("defaults") << QStringList{} << 1 << "^[0-9A-Za-z]{5}[0-9A-Z]$";
        QTest::newRow("count") << QStringList{"-n", "5"} << 5 << "^[0-9A-Za-z]{5}[0-9A-Z]$";
        QTest::newRow("long options")
            << QStringList{"--length", "12", "--type", "letters", "--case", "lower", "--count", "3"}
            << 3 << "^[a-z]{12}$";
        QTest::newRow("digits") << QStringList{"-l", "20", "-t", "digits"} << 1 << "^[0-9]{20}$";
        QTest::newRow("upper") << QStringList{"-l", "8", "-c", "upper"} << 1 << "^[0-9A-Z]{8}$";
        QTest::newRow("length rounds half to even")
            << QStringList{"-l", "4.5", "-t", "letters"} << 1 << "^[A-Za-z]{3}[A-Z]$";
        QTest::newRow("prefix and suffix kept as typed")
            << QStringList{"-p", "ab-", "-s", "-YZ", "-c", "upper"} << 1 << "^ab-[0-9A-Z]{6}-YZ$";
        QTest::newRow("mask") << QStringList{"-l", "8", "-m", "@@@@-@@@@", "-c", "lower"} << 1
                              << "^[0-9a-z]{4}-[0-9a-z]{4}$";
        QTest::newRow("longest passwords")
            << QStringList{"-l", "65535", "-n", "3", "-t", "digits"} << 3 << "^[0-9]{65535}$";
        // The character sets: each option's alphabet, and every class in every password.
        const QString symbol = QStringLiteral("[!-/:-@\\[-`{-~]");
        QTest::newRow("symbols") << QStringList{"-t", "digits", "--symbols", "-l", "40", "-n", "20"}
                                 << 20 << "^([0-9]|" + symbol + "){40}$";
        QTest::newRow("own characters")
            << QStringList{"--chars", "αβγ😀", "-l", "20", "-n", "5"} << 5 << "^(α|β|γ|😀){20}$";
        QTest::newRow("own characters beside letters")
            << QStringList{"--chars", "αβ", "-t", "letters", "-c", "lower", "-n", "5"} << 5
            << "^[a-zαβ]{6}$";
        QTest::newRow("exclusions") << QStringList{"--exclude", "aeiou", "-t", "letters", "-c",
                                                   "lower",     "-l",    "40", "-n",      "20"}
                                    << 20 << "^[b-df-hj-np-tv-z]{40}$";
        QTest::newRow("look-alikes left out")
            << QStringList{"--exclude-similar", "-l", "40", "-n", "20"} << 20
            << "^(?!.*[0Oo1lI|5S2Z8B])[0-9A-Za-z]{40}$";
        QTest::newRow("every class")
            << QStringList{"--every-class", "--symbols", "-l", "4", "-n", "50"} << 50
            << "^(?=.*[a-z])(?=.*[A-Z])(?=.*[0-9])(?=.*" + symbol + ").{4}$";
        QTest::newRow("every class beside many own characters")
            << loneClassesBesideOwn() + QStringList{"-n", "200"} << 200
            << "^(?=.*a)(?=.*A)(?=.*0)(?=.*!).{5}$";
        QTest::newRow("sets with mask, prefix and suffix")
            << QStringList{"-t", "digits", "--exclude", "0", "-l", "4", "-m", "@@-@@", "-p", "x"}
            << 1 << "^x[1-9]{2}-[1-9]{2}$";
        QTest::newRow("longest passwords, longer than the output buffer")
            << QStringList{"-l", "65535", "-n", "3", "-t", "letters", "-c", "upper", "-p", "й"} << 3
            << "^й[A-Z]{65535}$";
        QTest::newRow("non-ASCII prefix")
            << QStringList{"-p", "ключ", "-l", "4"} << 1 << "^ключ[0-9A-Za-z]{4}$";
    }
    void passwords() {
        QFETCH(QStringList, arguments);
        QFETCH(int, count);
        QFETCH(QString, pattern);
        const Run run = runCli(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.lines.size(), count);
        const QRegularExpression expression(pattern);
        for (const QString& line : run.lines)
            QVERIFY2(expression.match(line).hasMatch(), qPrintable(line));
    }

    // The defaults are the window's: length 6, letters and digits, mixed case (the last character
    // a capital when it is a letter). Over thousands of passwords every kind of character shows
    // up that the settings allow, and none that they do not.
    void defaultsAreTheWindows_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("digits");
        QTest::addColumn<bool>("small");
        QTest::newRow("defaults") << QStringList{} << true << true;
        QTest::newRow("letters") << QStringList{"-t", "letters"} << false << true;
        QTest::newRow("upper") << QStringList{"-c", "upper"} << true << false;
    }
    void defaultsAreTheWindows() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, digits);
        QFETCH(bool, small);
        const Run run = runCli(arguments + QStringList{"-n", "2000"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), 2000);
        const QString all = run.lines.join(QString());
        QCOMPARE(all.contains(QRegularExpression("[0-9]")), digits);
        QCOMPARE(all.contains(QRegularExpression("[a-z]")), small);
        QVERIFY(all.contains(QRegularExpression("[A-Z]")));
        const QRegularExpression shape("^[0-9A-Za-z]{5}[0-9A-Z]$");
        for (const QString& line : run.lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
    }

    // One clear line on standard error naming the input, status 2, nothing on standard output.
    void badInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters as length")
            << QStringList{"-l", "abc"} << "invalid length \"abc\": Type mismatch";
        QTest::newRow("empty length")
            << QStringList{"-l", ""} << "invalid length \"\": Type mismatch";
        QTest::newRow("length beyond 32 bits")
            << QStringList{"-l", "99999999999"} << "invalid length \"99999999999\": Overflow";
        QTest::newRow("length beyond the longest")
            << QStringList{"-l", "65536"} << "invalid length \"65536\": Overflow";
        QTest::newRow("unknown type") << QStringList{"-t", "symbols"} << "invalid type \"symbols\"";
        QTest::newRow("entropy of a bad length")
            << QStringList{"--entropy", "-l", "x"} << "invalid length \"x\": Type mismatch";
        QTest::newRow("unknown case") << QStringList{"-c", "title"} << "invalid case \"title\"";
        QTest::newRow("zero count") << QStringList{"-n", "0"} << "invalid count \"0\"";
        QTest::newRow("negative count") << QStringList{"-n", "-3"} << "invalid count \"-3\"";
        QTest::newRow("fraction count") << QStringList{"-n", "1.5"} << "invalid count \"1.5\"";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
        QTest::newRow("format without mask") << QStringList{"format", "abc"} << "TEXT MASK";
        QTest::newRow("format week setting")
            << QStringList{"format", "a", "@", "--first-day-of-week", "9"}
            << "invalid first day of week \"9\": use a whole number from 0 to 7";
        // One rule for every number option; an option that does not apply is refused.
        QTest::newRow("count with a line feed") << QStringList{"-n", "5\n"} << "count \"5\\n\"";
        QTest::newRow("first week, blank")
            << QStringList{"format", "a", "@", "--first-week-of-year", " 3"} << "year \" 3\"";
        QTest::newRow("week setting without format")
            << QStringList{"--first-week-of-year", "2"} << "applies only";
        QTest::newRow("length with format")
            << QStringList{"-l", "3", "format", "a", "@"} << "--length does not";
        // A length that makes an empty body is refused rather than printed as an empty line.
        const char* empty[][2] = {{"0", "0"},    {"-0", "0"},  {"0.5", "0"},        {"-1.5", "-2"},
                                  {"(5)", "-5"}, {"5-", "-5"}, {"&HFFFFFFFF", "-1"}};
        for (const auto& [length, value] : empty)
            QTest::addRow("empty body from %s", length)
                << QStringList{"-l", length, "-p", "x"}
                << QStringLiteral("invalid length \"%1\": reads as %2, and a password needs at "
                                  "least 1 character")
                       .arg(length, value);
        QTest::newRow("entropy of an empty body")
            << QStringList{"--entropy", "-l", "0"} << "invalid length \"0\": reads as 0";
        QTest::newRow("everything excluded")
            << QStringList{"-t", "digits", "--exclude", "0123456789"} << "no characters are left";
        QTest::newRow("a class left empty")
            << QStringList{"-t", "digits", "--symbols", "--exclude", "0123456789", "--every-class"}
            << "no characters of its own left";
        QTest::newRow("fewer characters than classes")
            << QStringList{"--every-class", "--symbols", "-l", "3", "--entropy"}
            << "needs a length of at least 4";
        QTest::newRow("every class with a mask that folds the case")
            << QStringList{"--every-class", "-m", ">"}
            << "--every-class cannot be used with a mask";
        QTest::newRow("a line feed among the characters")
            << QStringList{"--chars", "a\nb"} << "cannot be shown in a password";
        QTest::newRow("sets do not apply to format")
            << QStringList{"format", "a", "@", "--symbols"} << "--symbols does not apply to format";
        // A mask that shows some body as nothing would print an empty line as a password.
        for (const char* mask : {",", ";", "\\", "\"\"", "#", "#,;;0"})
            QTest::addRow("empty text from mask %s", mask)
                << QStringList{"-t", "digits", "-l", "8", "-m", mask}
                << "the mask can turn a password into an empty text";
        QTest::newRow("entropy of a mask that can be empty")
            << QStringList{"--entropy", "-t", "digits", "-m", "#"}
            << "the mask can turn a password into an empty text";
        // What was typed comes back escaped: one line, no control sequence for the terminal.
        QTest::newRow("line feed in the type")
            << QStringList{"-t", "letters\nkeywright-cli: all good"}
            << "invalid type \"letters\\nkeywright-cli: all good\"";
        QTest::newRow("escape sequence in the length")
            << QStringList{"-l", "\x1b[2J\x1b]0;title\a"}
            << "invalid length \"\\x1B[2J\\x1B]0;title\\x07\"";
        QTest::newRow("backslash kept apart from the escapes")
            << QStringList{"-c", "a\\nb\r"} << "invalid case \"a\\\\nb\\r\"";
        QTest::newRow("line separator and direction override")
            << QStringList{"-n", QString::fromUtf8("1\u2028\u202e2")}
            << "invalid count \"1\\u2028\\u202E2\"";
        QTest::newRow("unknown option with a line feed") << QStringList{"--x\ny"} << "x\\ny";
        QTest::newRow("format error with a tab")
            << QStringList{"format", "a", "@", "--first-day-of-week", "9\t"} << "\"9\\t\"";
    }
    void badInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.lines, QStringList());
        QVERIFY2(run.errors.startsWith("keywright-cli: "), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(run.errors.count(u'\n'), 1);
        QVERIFY2(run.errors.endsWith(u'\n'), qPrintable(run.errors));
        for (const QChar c : QStringView(run.errors).chopped(1))
            QVERIFY2(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format &&
                         c.category() != QChar::Separator_Line,
                     qPrintable(run.errors));
    }

    // Bytes that are not UTF-8 are refused under any locale, not replaced.
    void undecodableArgument() {
        for (const char* locale : {"C.UTF-8", "C"}) {
            QProcess process;
            process.start("/bin/sh",
                          {"-c", R"sh(exec env LC_ALL="$1" "$0" -p "$(printf 'a\377')")sh",
                           KEYWRIGHT_CLI_PATH, locale});
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 2);
            QCOMPARE(process.readAllStandardOutput() + process.readAllStandardError(),
                     QByteArray("keywright-cli: argument 2 is not UTF-8 text: \"a\\xFF\"\n"));
        }
    }

    void format_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("groups") << "AB12CD34"
                                << "@@@@-@@@@"
                                << "AB12-CD34";
        QTest::newRow("upper") << "ab12"
                               << ">"
                               << "AB12";
        QTest::newRow("empty mask") << "aBc"
                                    << ""
                                    << "aBc";
        QTest::newRow("phone") << "8888888"
                               << "(@@@)&&&-&&&&"
                               << "(   )888-8888";
    }
    void format() {
        QFETCH(QString, text);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        const Run run = runCli({"format", text, mask});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, QStringList{expected});
    }

    // The strength of what the options make, not passwords: one line, prefix and suffix add
    // nothing, a text mask keeps all, a folding mask loses the case coins, a number mask can
    // only be bounded.
    void entropy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << QStringList{} << "32.57 bits";
        QTest::newRow("prefix, suffix and count add nothing")
            << QStringList{"-p", "web-", "-s", "!", "-n", "5"} << "32.57 bits";
        QTest::newRow("mixed upper 16") << QStringList{"-l", "16", "-c", "upper"} << "80.18 bits";
        QTest::newRow("groups keep every character")
            << QStringList{"-l", "12", "-m", "@@@@-@@@@-@@@@"} << "65.63 bits";
        QTest::newRow("upper-case mask")
            << QStringList{"-l", "12", "-c", "upper", "-m", ">"} << "60.13 bits";
        QTest::newRow("digits") << QStringList{"-l", "8", "-t", "digits"} << "26.58 bits";
        QTest::newRow("number mask keeps every body")
            << QStringList{"-l", "8", "-t", "digits", "-m", "0.00"} << "26.58 bits";
        QTest::newRow("date mask on letters")
            << QStringList{"-t", "letters", "-m", "dd"} << "33.20 bits";
        // 5! orders of the four lone characters and one of 20,000: 2,400,000 bodies.
        QTest::newRow("lone classes beside many own characters")
            << loneClassesBesideOwn() << "21.19 bits";
    }
    void entropy() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run run = runCli(QStringList{"--entropy"} + arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.lines, QStringList{expected});
    }

    // A mask that gives different bodies the same text is said once on standard error, with
    // why, and --entropy states what the mask's own texts are worth, never the body's.
    // With every class, the bodies that hold all of them, counted by going through every
    // sequence of classes (each weighed by its characters): --entropy gives log2 of that.
    void everyClassCounts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("classSizes");
        for (int length = 2; length <= 5; ++length) {
            const QString l = QString::number(length);
            QTest::addRow("digits and symbols, %d", length)
                << QStringList{"-t", "digits", "--symbols", "--every-class", "-l", l}
                << QList<int>{10, 32};
            QTest::addRow("three classes, %d", length + 1)
                << QStringList{"--every-class", "-l", QString::number(length + 1)}
                << QList<int>{26, 26, 10};
        }
        QTest::newRow("four classes, six characters")
            << QStringList{"--every-class", "--symbols", "--exclude-similar", "-l", "6"}
            << QList<int>{26 - 2, 26 - 5, 10 - 5, 32 - 1};
    }
    void everyClassCounts() {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, classSizes);
        const int length = arguments.last().toInt();
        const auto classes = static_cast<int>(classSizes.size());
        double count = 0;
        QList<int> sequence(length, 0);
        while (true) {
            int seen = 0;
            double bodies = 1;
            for (int k : sequence) {
                seen |= 1 << k;
                bodies *= classSizes[k];
            }
            count += seen == (1 << classes) - 1 ? bodies : 0;
            int position = 0;
            while (position < length && ++sequence[position] == classes)
                sequence[position++] = 0;
            if (position == length)
                break;
        }
        const Run run = runCli(QStringList{"--entropy"} + arguments);
        QCOMPARE(run.lines,
                 QStringList{QStringLiteral("%1 bits").arg(std::log2(count), 0, 'f', 2)});
    }

    // Every character of one's own set as likely as the others: a chi-square over 20,000 draws
    // of ten characters (9 degrees of freedom) stays under 40, which a fair draw passes but once
    // in about 200,000 runs.
    void ownSetIsUniform() {
        const QString set = QStringLiteral("abcdefghi😀");
        const Run run = runCli({"--chars", set, "-l", "1000", "-n", "20"});
        QCOMPARE(run.lines.size(), 20);
        QHash<uint, int> counts;
        for (const QString& line : std::as_const(run.lines))
            for (const uint c : line.toUcs4())
                ++counts[c];
        QCOMPARE(counts.size(), 10);
        double chiSquare = 0;
        for (const int observed : std::as_const(counts))
            chiSquare += (observed - 2000.0) * (observed - 2000.0) / 2000.0;
        QVERIFY2(chiSquare < 40, qPrintable(QString::number(chiSquare)));
    }

    void alikeMasks_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("strength");
        QTest::newRow("Yes/No on digits")
            << QStringList{"-t", "digits", "-l", "8", "-m", "Yes/No"} << "at most 2 different texts"
            << "^at most 0\\.00 bits$";
        QTest::newRow("day of the month")
            << QStringList{"-t", "digits", "-m", "dd"} << "only part of the date"
            << "^about 4\\.95 bits$";
        QTest::newRow("thousands scaled away")
            << QStringList{"-t", "digits", "-l", "10", "-m", "0,"} << "multiples of 1000"
            << "^about 23\\.25 bits$";
        QTest::newRow("seven significant digits")
            << QStringList{"-t", "digits", "-l", "20", "-m", "0.000000E+00"}
            << "at most 7 significant digits"
            << "^at most 2[34]\\.[0-9]{2} bits$";
        QTest::newRow("what a double keeps")
            << QStringList{"-t", "digits", "-l", "20", "-m", "0"} << "17 significant digits"
            << "^about 5[34]\\.[0-9]{2} bits$";
        QTest::newRow("bodies that read as zero")
            << QStringList{"-m", "0-0"} << "read as numbers or dates"
            << "^at most 32\\.57 bits$";
        QTest::newRow("letters shown in one case")
            << QStringList{"--chars", "aA", "-l", "8", "-m", "<"} << "every letter in one case"
            << "^0\\.00 bits$";
    }
    void alikeMasks() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, why);
        QFETCH(QString, strength);
        const Run run = runCli(arguments + QStringList{"-n", "50"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), 50);
        QVERIFY2(run.errors.startsWith("keywright-cli: warning: this mask can make different "
                                       "passwords come out alike"),
                 qPrintable(run.errors));
        QVERIFY2(run.errors.contains(why), qPrintable(run.errors));
        QCOMPARE(run.errors.count(u'\n'), 1);
        const Run measured = runCli(QStringList{"--entropy"} + arguments);
        QCOMPARE(measured.exitCode, 0);
        QCOMPARE(measured.lines.size(), 1);
        QVERIFY2(QRegularExpression(strength).match(measured.lines.first()).hasMatch(),
                 qPrintable(measured.lines.first()));
    }

    void versionAndHelp() {
        QCOMPARE(runCli({"--version"}).lines, QStringList{"keywright-cli " KEYWRIGHT_TEST_VERSION});
        const Run help = runCli({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.lines.join('\n').contains("--length"));
        QCOMPARE(runCli({"--help-all"}).lines, help.lines); // offered by --help and completions
    }

    // Many passwords stream from one sequence: all of them different.
    void manyDistinctPasswords() {
        const Run run = runCli({"-l", "16", "-n", "20000"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), 20000);
        const QSet<QString> distinct(run.lines.begin(), run.lines.end());
        QCOMPARE(distinct.size(), 20000);
    }

    // Output that cannot be written (a full disk) is a failure, unlike a reader that has gone:
    // one line on standard error, status 1, so that a script does not take it for success.
    void unwritableOutputFails_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one password") << QStringList{};
        QTest::newRow("many passwords") << QStringList{"-l", "16", "-n", "100000"};
        QTest::newRow("format") << QStringList{"format", "abc", "@@@"};
        QTest::newRow("entropy") << QStringList{"--entropy"};
        QTest::newRow("version") << QStringList{"--version"};
    }
    void unwritableOutputFails() {
        QFETCH(QStringList, arguments);
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full on this system");
        QProcess process;
        process.setStandardOutputFile("/dev/full");
        process.start(QStringLiteral(KEYWRIGHT_CLI_PATH), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(errors.startsWith("keywright-cli: cannot write the output: "), qPrintable(errors));
        QCOMPARE(errors.count(u'\n'), 1);
    }

    // A closed standard output is output that cannot be written, whatever opens files later (Qt's
    // event descriptor took its number and swallowed passwords of 7 characters and a line feed).
    void closedOutputFails_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("closeInput");
        QTest::newRow("7 characters and a line feed") << QStringList{"-l", "7"} << false;
        QTest::newRow("no standard input either") << QStringList{"-l", "7"} << true;
        QTest::newRow("many passwords") << QStringList{"-l", "16", "-n", "100000"} << false;
        QTest::newRow("version") << QStringList{"--version"} << false;
        QTest::newRow("format") << QStringList{"format", "abc", "@@@"} << false;
    }
    void closedOutputFails() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, closeInput);
        QProcess process;
        process.setChildProcessModifier([closeInput] {
            ::close(STDOUT_FILENO);
            if (closeInput)
                ::close(STDIN_FILENO);
        });
        process.start(QStringLiteral(KEYWRIGHT_CLI_PATH), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(errors, QStringLiteral("keywright-cli: cannot write the output: %1\n")
                             .arg(QString::fromLocal8Bit(std::strerror(EBADF))));
    }

    // A reader that goes away ends the program quietly, however many passwords were asked for.
    void closedPipeEndsQuietly() {
        QProcess producer;
        QProcess consumer;
        producer.setStandardOutputProcess(&consumer);
        consumer.start("head", {"-n", "1"});
        producer.start(QStringLiteral(KEYWRIGHT_CLI_PATH), {"-n", "1000000000000"});
        QVERIFY(consumer.waitForFinished(30000));
        QVERIFY(producer.waitForFinished(30000));
        QCOMPARE(producer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(producer.exitCode(), 0);
        QCOMPARE(producer.readAllStandardError(), QByteArray());
        QCOMPARE(consumer.readAllStandardOutput().count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
