#include "platform/xdg/DesktopExec.h"

#include "platform/xdg/DesktopEntries.h"

#include <algorithm>

namespace platform {

namespace {
bool separates(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool escapableInQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}
// The characters an Exec line may hold only inside quotes.
bool reserved(QChar c) {
    return separates(c) || c.unicode() < 0x20 || QStringView(u"\"'\\><~|&;$*?#()`").contains(c);
}
bool addressCode(QStringView argument) {
    return argument == u"%u" || argument == u"%U" || argument == u"%f" || argument == u"%F";
}

// The argument with its field codes expanded, or nothing when it held only codes that expand to
// nothing.
std::optional<QString> expandCodes(const QString& argument, const DesktopApplication& application) {
    QString expanded;
    bool removedAny = false;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        if (c != u'%' || i + 1 == argument.size()) {
            expanded += c;
            continue;
        }
        const QChar code = argument.at(i + 1);
        if (code == u'%')
            expanded += u'%';
        else if (code == u'c')
            expanded += application.name;
        else if (code == u'k')
            expanded += application.file;
        else if (code.isLetter() && code.unicode() < 128)
            removedAny = true;
        else {
            expanded += c;
            continue;
        }
        ++i;
    }
    if (expanded.isEmpty() && removedAny)
        return std::nullopt;
    return expanded;
}
} // namespace

std::optional<QStringList> splitExecLine(const QString& line) {
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (separates(c)) {
            if (inArgument)
                arguments.append(std::exchange(argument, QString()));
            inArgument = false;
        } else if (c == u'"' && !inArgument) {
            inArgument = true;
            for (++i; i < line.size() && line.at(i) != u'"'; ++i) {
                if (line.at(i) == u'\\' && i + 1 < line.size() && escapableInQuotes(line.at(i + 1)))
                    ++i;
                argument += line.at(i);
            }
            if (i == line.size())
                return std::nullopt;
        } else {
            inArgument = true;
            argument += c;
        }
    }
    if (inArgument)
        arguments.append(argument);
    return arguments;
}

QString quoteExecArgument(const QString& argument) {
    if (!argument.isEmpty() && std::none_of(argument.cbegin(), argument.cend(), reserved))
        return argument;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (escapableInQuotes(c))
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

QString commandForAddress(const DesktopApplication& application, const QStringList& terminal) {
    if (application.exec.isEmpty() || (application.terminal && terminal.isEmpty()))
        return {};
    QStringList arguments{application.program};
    for (const QString& argument : application.exec.mid(1)) {
        if (addressCode(argument))
            continue;
        if (argument == u"%i") {
            if (!application.icon.isEmpty())
                arguments << QStringLiteral("--icon") << application.icon;
            continue;
        }
        if (const std::optional<QString> expanded = expandCodes(argument, application))
            arguments.append(*expanded);
    }
    if (application.terminal)
        arguments = terminal + arguments;
    QStringList quoted;
    for (const QString& argument : std::as_const(arguments))
        quoted.append(quoteExecArgument(argument));
    return quoted.join(u' ');
}

QStringList terminalCommand(const QStringList& searchPath) {
    static const QList<std::pair<const char*, const char*>> terminals = {
        {"x-terminal-emulator", "-e"},
        {"kgx", "-e"},
        {"gnome-terminal", "--"},
        {"mate-terminal", "-x"},
        {"xfce4-terminal", "-x"},
        {"konsole", "-e"},
        {"tilix", "-e"},
        {"xterm", "-e"},
    };
    for (const auto& [name, option] : terminals) {
        const QString program = findProgram(QString::fromLatin1(name), searchPath);
        if (!program.isEmpty())
            return {program, QString::fromLatin1(option)};
    }
    return {};
}

} // namespace platform
