// Copyright (c) Kestrin developers.
//
// Tests of the processor count: the affinity mask bounds it, and a parent's share narrows it but
// only when it is a positive whole number.
#include "KestrinPosix/ProcessorCount.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <stdlib.h>

TEST(ProcessorCount, AffinityAndHandedShareBoundTheCount) {
    ::unsetenv(kposix::kProcessorShareVariable);
    cpu_set_t usable;
    ASSERT_EQ(::sched_getaffinity(0, sizeof(usable), &usable), 0);
    const unsigned affinity = static_cast<unsigned>(CPU_COUNT(&usable));
    EXPECT_EQ(kposix::UsableProcessors(), affinity);
    EXPECT_EQ(kposix::ShareFor(affinity + 1), 1U);

    ::setenv(kposix::kProcessorShareVariable, "1", 1);
    EXPECT_EQ(kposix::UsableProcessors(), 1U);
    ::setenv(kposix::kProcessorShareVariable, "100000", 1); // never more than the mask
    EXPECT_EQ(kposix::UsableProcessors(), affinity);
    for (const char* notAShare : {"0", "-2", "2x", "", " 1"}) {
        ::setenv(kposix::kProcessorShareVariable, notAShare, 1);
        EXPECT_EQ(kposix::UsableProcessors(), affinity) << '"' << notAShare << '"';
    }
    ::unsetenv(kposix::kProcessorShareVariable);
}
