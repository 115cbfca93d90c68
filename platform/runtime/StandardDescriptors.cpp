#include "platform/runtime/StandardDescriptors.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace runtime {

bool ensureStandardDescriptors() {
#ifdef Q_OS_UNIX
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() gives the lowest free number, which is fd: the ones below it are open already.
        // Programs started later inherit it like any standard descriptor.
        const int opened = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (opened != fd) {
            if (opened >= 0)
                ::close(opened);
            return false;
        }
    }
#endif
    return true;
}

} // namespace runtime
