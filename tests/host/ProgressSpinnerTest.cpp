// Kestrin host tests: the progress line stays off streams that are not terminals, so that
// captured output (pipes, files, the end-to-end tests) never holds it.
#include "app/ProgressSpinner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

TEST(ProgressSpinner, WritesNothingToAStreamThatIsNoTerminal) {
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::tmpfile(), &std::fclose);
    {
        KestrinApp::ProgressSpinner progress("Importing a.step", file.get());
        EXPECT_FALSE(progress.IsActive());
        progress.EraseLine();
    }
    EXPECT_EQ(std::ftell(file.get()), 0L);
}

TEST(ProgressSpinner, NoStreamMeansNoProgress) {
    KestrinApp::ProgressSpinner progress("Importing a.step", nullptr);
    EXPECT_FALSE(progress.IsActive());
}
