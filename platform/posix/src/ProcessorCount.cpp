// Copyright (c) Kestrin developers.
//
// The processor count. A share that is not a positive whole number is not one: it is left out
// rather than taken as 1, so a mistyped value cannot make a run single-threaded unnoticed.
#include "KestrinPosix/ProcessorCount.h"

#include <sched.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <thread>

namespace kposix {
namespace {

unsigned AffinityCount() {
    cpu_set_t usable;
    CPU_ZERO(&usable);
    if (::sched_getaffinity(0, sizeof(usable), &usable) == 0 && CPU_COUNT(&usable) > 0) {
        return static_cast<unsigned>(CPU_COUNT(&usable));
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

// The share the parent set, 0 when there is none.
unsigned HandedShare() {
    const char* text = std::getenv(kProcessorShareVariable);
    if (!text || *text < '1' || *text > '9') {
        return 0;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long share = std::strtoul(text, &end, 10);
    if (errno != 0 || *end != '\0' || share > std::numeric_limits<unsigned>::max()) {
        return 0;
    }
    return static_cast<unsigned>(share);
}

} // namespace

unsigned UsableProcessors() {
    const unsigned usable = AffinityCount();
    const unsigned share = HandedShare();
    return share > 0 ? std::min(usable, share) : usable;
}

unsigned ShareFor(unsigned children) {
    return std::max(1U, UsableProcessors() / std::max(1U, children));
}

} // namespace kposix
