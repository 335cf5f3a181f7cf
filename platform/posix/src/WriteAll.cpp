// Copyright (c) Kestrin developers.
//
// The write-all loop.
#include "KestrinPosix/WriteAll.h"

#include <cerrno>
#include <unistd.h>

namespace kposix {

int WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

} // namespace kposix
