#include "platform/process/DetachedProgramStarter.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/xdg/DesktopExec.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {
// The executable file a program name stands for, or "".
QString executable(const QString& program) {
    if (!program.contains(u'/'))
        return QStandardPaths::findExecutable(program);
    const QFileInfo file(program);
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}
} // namespace

void DetachedProgramStarter::start(const QString& commandLine, int /*windowStyle*/) {
    std::optional<QStringList> arguments = splitExecLine(commandLine);
    if (!arguments || arguments->isEmpty())
        runtime::raise(runtime::ErrorNumber::FileNotFound);
    const QString program = executable(arguments->takeFirst());
    if (program.isEmpty() || !QProcess::startDetached(program, *arguments))
        runtime::raise(runtime::ErrorNumber::FileNotFound);
}

} // namespace platform
