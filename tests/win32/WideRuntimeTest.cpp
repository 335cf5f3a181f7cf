// Tests of the target run-time's _wtoi and _wsplitpath: the host version text and the module
// folder that the menu and help paths are built from.
#include "windows.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(Wtoi, ReadsTheNumberAtTheStartLikeTheTarget) {
    EXPECT_EQ(_wtoi(L"10.2.5"), 10);
    EXPECT_EQ(_wtoi(L"  -7x"), -7);
    EXPECT_EQ(_wtoi(L"+8"), 8);
    EXPECT_EQ(_wtoi(L"no number"), 0);
    EXPECT_EQ(_wtoi(L""), 0);
    EXPECT_EQ(_wtoi(nullptr), 0);
    EXPECT_EQ(_wtoi(L"- 5"), 0);
}

TEST(Wtoi, SaturatesOutsideTheRangeOfInt) {
    EXPECT_EQ(_wtoi(L"2147483647"), INT_MAX);
    EXPECT_EQ(_wtoi(L"-2147483648"), INT_MIN);
    EXPECT_EQ(_wtoi(L"99999999999999999999"), INT_MAX);
    EXPECT_EQ(_wtoi(L"-99999999999999999999"), INT_MIN);
}

namespace {

struct SplitPath {
    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t dir[_MAX_DIR] = {};
    wchar_t fname[_MAX_FNAME] = {};
    wchar_t ext[_MAX_EXT] = {};
};

SplitPath Split(const wchar_t* path) {
    SplitPath parts;
    _wsplitpath(path, parts.drive, parts.dir, parts.fname, parts.ext);
    return parts;
}

} // namespace

TEST(WSplitPath, KeepsTheFolderWithItsTrailingSeparator) {
    const SplitPath parts = Split(L"/opt/Kestrin Tools/Über ß/Kestrin_Bricscad_2.05_8.drx");
    EXPECT_STREQ(parts.drive, L"");
    EXPECT_STREQ(parts.dir, L"/opt/Kestrin Tools/Über ß/");
    EXPECT_STREQ(parts.fname, L"Kestrin_Bricscad_2.05_8");
    EXPECT_STREQ(parts.ext, L".drx");
}

TEST(WSplitPath, SplitsTargetPathsWithDriveAndBackslashes) {
    const SplitPath parts = Split(L"C:\\A\\B\\Kestrin_Bricscad_2.05_8.drx");
    EXPECT_STREQ(parts.drive, L"C:");
    EXPECT_STREQ(parts.dir, L"\\A\\B\\");
    EXPECT_STREQ(parts.fname, L"Kestrin_Bricscad_2.05_8");
    EXPECT_STREQ(parts.ext, L".drx");
}

TEST(WSplitPath, NamesWithoutFolderOrExtension) {
    SplitPath parts = Split(L"README");
    EXPECT_STREQ(parts.dir, L"");
    EXPECT_STREQ(parts.fname, L"README");
    EXPECT_STREQ(parts.ext, L"");
    parts = Split(L"/a.b/file");
    EXPECT_STREQ(parts.dir, L"/a.b/");
    EXPECT_STREQ(parts.ext, L"");
}

TEST(WSplitPath, CutsAPartThatDoesNotFitInsteadOfOverrunning) {
    const std::wstring longFolder = L"/" + std::wstring(_MAX_DIR + 10, L'x') + L"/f.txt";
    const SplitPath parts = Split(longFolder.c_str());
    EXPECT_EQ(std::wstring(parts.dir).size(), static_cast<std::size_t>(_MAX_DIR - 1));
    EXPECT_STREQ(parts.fname, L"f");
}

TEST(WSplitPath, NullOutputsAreSkipped) {
    wchar_t dir[_MAX_DIR] = {};
    _wsplitpath(L"/a/b.c", nullptr, dir, nullptr, nullptr);
    EXPECT_STREQ(dir, L"/a/");
}
