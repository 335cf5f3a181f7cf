// Copyright (c) Kestrin developers.
//
// Writing all of a buffer to a descriptor: the one loop that goes on after short writes and
// interrupted calls and stops at the first real failure.
#pragma once

#include <cstddef>

namespace kposix {

/* Description:
     Writes size bytes from data to fd, in as many write() calls as it takes.
   Parameters:
     fd - [in] an open descriptor, blocking.
     data - [in] the bytes.
     size - [in] how many.
   Returns:
     0 when every byte was written, else the errno of the call that failed. A write() that
     returns 0 for a non-empty buffer makes no progress and would be called again forever: it
     counts as failed, with EIO.
*/
int WriteAll(int fd, const void* data, std::size_t size);

} // namespace kposix
