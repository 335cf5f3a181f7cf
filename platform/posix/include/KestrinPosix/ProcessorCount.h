// Copyright (c) Kestrin developers.
//
// How many threads a part of this process should run on at once: the processors the process may
// use (its affinity mask, which taskset, cgroups' cpusets and batch schedulers narrow), or fewer
// when the parent that started it handed it a share. A parent that runs N children at once on P
// processors sets KESTRIN_PROCESSORS=max(1, P / N) in each child's environment, so that the
// children together start about P threads rather than N x P (see ShareFor).
#pragma once

#include <string>

namespace kposix {

// The environment variable by which a parent hands a child its share of the processors.
inline constexpr char kProcessorShareVariable[] = "KESTRIN_PROCESSORS";

/* Description:
     The number of processors this process may use, at least 1.
   Returns:
     The size of the affinity mask, or the number of online processors when the mask cannot be
     read; then no more than KESTRIN_PROCESSORS when that is set to a positive whole number.
*/
unsigned UsableProcessors();

/* Description:
     A child's share when children run at once on the processors this process may use.
   Parameters:
     children - [in] how many run at once.
   Returns:
     UsableProcessors() / children, at least 1: the value for KESTRIN_PROCESSORS.
*/
unsigned ShareFor(unsigned children);

} // namespace kposix
