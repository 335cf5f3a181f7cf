// Copyright (c) Kestrin developers.
//
// RLIMIT_DATA rather than RLIMIT_AS: the allocator's per-thread arenas and the thread stacks
// reserve far more address space than they use, so an address-space bound would fail early on a
// machine with many cores.
#include "MemoryBound.h"

#include <sys/resource.h>

namespace quarnel::worker {
namespace {

constexpr std::uint64_t kBytesPerMegabyte = 1024 * 1024;
constexpr std::uint64_t kBytesPerKilobyte = 1024;
// Resident memory lags the data bound (pages allocated but not yet touched, pages of libraries
// counted the other way): three quarters of the bound counts as reaching it.
constexpr std::uint64_t kShareNumerator = 3;
constexpr std::uint64_t kShareDenominator = 4;

std::uint64_t g_boundBytes = 0;

} // namespace

void ApplyMemoryBound(std::uint64_t megabytes) {
    if (megabytes == 0) {
        return;
    }
    g_boundBytes = megabytes * kBytesPerMegabyte;
    const rlimit limit{g_boundBytes, g_boundBytes};
    ::setrlimit(RLIMIT_DATA, &limit);
}

bool MemoryBoundReached() {
    rusage usage{};
    if (g_boundBytes == 0 || ::getrusage(RUSAGE_SELF, &usage) != 0) {
        return false;
    }
    const std::uint64_t peakBytes = static_cast<std::uint64_t>(usage.ru_maxrss) * kBytesPerKilobyte;
    return peakBytes * kShareDenominator >= g_boundBytes * kShareNumerator;
}

} // namespace quarnel::worker
