#include "DesktopExec.h"

namespace platform {

namespace {
bool separates(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool escapableInQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
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

QString removeFieldCodes(const QString& exec) {
    QString command;
    command.reserve(exec.size());
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c == u'%' && i + 1 < exec.size()) {
            const QChar code = exec.at(i + 1);
            if (code == u'%') {
                command += u'%';
                ++i;
                continue;
            }
            if (code.isLetter() && code.unicode() < 128) {
                ++i;
                continue;
            }
        }
        command += c;
    }
    return command.trimmed();
}

} // namespace platform
