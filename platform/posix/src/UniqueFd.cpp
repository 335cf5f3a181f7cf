// Copyright (c) Kestrin developers.
//
// The descriptor owner and pipes. close() is not retried on EINTR: on Linux the descriptor is
// released whatever close() returns, and a retry could close one another thread just opened.
#include "KestrinPosix/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace kposix {

void UniqueFd::Reset(int fd) {
    if (m_fd >= 0) {
        const int savedErrno = errno;
        ::close(m_fd);
        errno = savedErrno;
    }
    m_fd = fd;
}

bool UniqueFd::Close() {
    return m_fd >= 0 && ::close(Release()) == 0;
}

bool MakePipe(UniqueFd* readEnd, UniqueFd* writeEnd, int minimumFd, int flags) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | flags) != 0) {
        return false;
    }
    UniqueFd first(ends[0]);
    UniqueFd second(ends[1]);
    if (minimumFd > 0) {
        first.Reset(ends[0] >= minimumFd ? first.Release()
                                         : ::fcntl(ends[0], F_DUPFD_CLOEXEC, minimumFd));
        second.Reset(ends[1] >= minimumFd ? second.Release()
                                          : ::fcntl(ends[1], F_DUPFD_CLOEXEC, minimumFd));
    }
    if (!first.IsOpen() || !second.IsOpen()) {
        return false;
    }
    *readEnd = std::move(first);
    *writeEnd = std::move(second);
    return true;
}

} // namespace kposix
