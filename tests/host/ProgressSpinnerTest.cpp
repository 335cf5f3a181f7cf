// Kestrin host tests: the progress line stays off streams that are not terminals, so that
// captured output (pipes, files, the end-to-end tests) never holds it.
#include "Runs/ProgressSpinner.h"

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

TEST(ProgressSpinner, TheLineFitsTheWindowWithTheLabelCutFirst) {
    using KestrinApp::ProgressLineText;
    EXPECT_EQ(ProgressLineText('|', "Importing a.step", 3, 0), "| Importing a.step 3s");
    EXPECT_EQ(ProgressLineText('|', "Importing a.step", 3, 22), "| Importing a.step 3s");
    EXPECT_EQ(ProgressLineText('/', "Importing connector-assembly.step", 12, 30),
              "/ Importing connector-... 12s");
    EXPECT_EQ(ProgressLineText('-', "Importing b\xc3\xa4r-housing.step", 5, 21),
              "- Importing b\xc3\xa4... 5s"); // cut by characters, never inside one
    EXPECT_EQ(ProgressLineText('|', "Importing a.step", 100000, 8), "| Impor");
}
