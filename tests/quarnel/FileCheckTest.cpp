// Copyright (c) Kestrin developers.
//
// The checks before reading: each kind of file a user may pick by mistake is recognised.
#include "FileCheck.h"

#include "QuarnelTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel {
namespace {

constexpr const char* kMinimalStep = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\nENDSEC;\n"
                                     "END-ISO-10303-21;\n";

ReadStatus Check(const std::string& path, std::string* detail = nullptr) {
    std::string ignored;
    return CheckStepFile(path, detail != nullptr ? detail : &ignored);
}

TEST(FileCheck, CompleteStepFileIsAccepted) {
    EXPECT_EQ(Check(test::WriteScratchFile("ok.stp", kMinimalStep)), ReadStatus::Translated);
    EXPECT_EQ(
        Check(test::WriteScratchFile("bom.stp", "\xEF\xBB\xBF  \r\n" + std::string(kMinimalStep))),
        ReadStatus::Translated);
}

TEST(FileCheck, MissingFolderAndEmptyAreTold) {
    EXPECT_EQ(Check(test::ScratchDirectory() + "/nothing-here.stp"), ReadStatus::FileMissing);
    std::string detail;
    EXPECT_EQ(Check(test::ScratchDirectory(), &detail), ReadStatus::NotAFile);
    EXPECT_EQ(detail, "a folder");
    EXPECT_EQ(Check(test::WriteScratchFile("empty.stp", "")), ReadStatus::EmptyFile);
}

TEST(FileCheck, OtherFormatsAreNamed) {
    std::string detail;
    EXPECT_EQ(Check(test::WriteScratchFile("zip.stp", "PK\x03\x04rest"), &detail),
              ReadStatus::NotStep);
    EXPECT_EQ(detail, "a zip archive");
    EXPECT_EQ(Check(test::WriteScratchFile("binary.stp", std::string("\x7F"
                                                                     "ELF\0\0\1",
                                                                     7)),
                    &detail),
              ReadStatus::NotStep);
    EXPECT_EQ(detail, "binary data");
    EXPECT_EQ(Check(test::WriteScratchFile("notes.stp", "just some text\n"), &detail),
              ReadStatus::NotStep);
    EXPECT_EQ(
        Check(test::WriteScratchFile("x.stp", "<?xml version=\"1.0\"?><iso_10303_28/>"), &detail),
        ReadStatus::NotStep);
    EXPECT_EQ(detail, "a STEP-XML file");
}

// A cut file would otherwise be read as far as it goes and reported as a success.
TEST(FileCheck, FileWithoutEndKeywordIsTruncated) {
    const std::string whole = kMinimalStep;
    std::string detail;
    EXPECT_EQ(Check(test::WriteScratchFile("cut.stp", whole.substr(0, whole.size() - 8)), &detail),
              ReadStatus::Damaged);
    EXPECT_EQ(detail, "truncated");
}

// The superuser may read any file: run as root, the check runs in a child that has given root up
// for the "nobody" user, which may pass through the scratch folder but not read the locked file.
ReadStatus CheckWithoutRoot(const std::string& path) {
    if (::geteuid() != 0) {
        return Check(path);
    }
    constexpr uid_t kNobody = 65534;
    constexpr int kCouldNotDrop = 255;
    EXPECT_EQ(::chmod(test::ScratchDirectory().c_str(), 0711), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped ? static_cast<int>(Check(path)) : kCouldNotDrop);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != kCouldNotDrop) << status;
    return static_cast<ReadStatus>(WEXITSTATUS(status));
}

TEST(FileCheck, UnreadableFileIsNoPermission) {
    const std::string path = test::WriteScratchFile("locked.stp", kMinimalStep);
    EXPECT_EQ(CheckWithoutRoot(path), ReadStatus::Translated);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_EQ(CheckWithoutRoot(path), ReadStatus::NoPermission);
}

} // namespace
} // namespace quarnel
