// Kestrin host tests: the names drawings are saved under and the output folder check.
#include "Commands/OutputFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

using KestrinApp::DxfFileName;
using KestrinApp::OutputFolderProblem;
using KestrinApp::RefusedDxfName;

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

TEST(OutputFile, NamesNotEndingInDxfGetDxf) {
    EXPECT_EQ(DxfFileName(L"part"), L"part.dxf");
    EXPECT_EQ(DxfFileName(L"out/part"), L"out/part.dxf");
    EXPECT_EQ(DxfFileName(L"v1.2/part"), L"v1.2/part.dxf"); // a dot in a folder is no extension
    EXPECT_EQ(DxfFileName(L".hidden"), L".hidden.dxf");
    EXPECT_EQ(DxfFileName(L"out/.hidden"), L"out/.hidden.dxf");
    EXPECT_EQ(DxfFileName(L"part.DXF"), L"part.DXF");
    EXPECT_EQ(DxfFileName(L"part.txt"), L"part.txt.dxf");
}

// "SAVEAS /tmp/work" wrote /tmp/work.dxf, "." made "..dxf", "part." "part..dxf" and "-o /dev/full"
// tried /dev/full.dxf: each is kept as typed and refused, as is a folder that ends in .dxf.
TEST(OutputFile, FoldersDevicesAndTrailingDotsAreRefused) {
    const std::string folder = ::testing::TempDir() + "kestrin-names-" + std::to_string(::getpid());
    std::filesystem::create_directories(folder + "/d.dxf");
    const std::vector<std::pair<std::wstring, std::wstring>> refused = {
        {Wide(folder), L"it is a folder"},           {Wide(folder + "/d"), L"it is a folder"},
        {Wide(folder + "/"), L"names a folder"},     {L".", L"it is a folder"},
        {L"part.", L"must not end in a dot"},        {L"...", L"must not end in a dot"},
        {L"/dev/full", L"it is a device"},           {L"/dev/stdout", L"it is a device"},
        {L"/dev/no-such-device", L"it is a device"},
    };
    for (const auto& [typed, reason] : refused) {
        const std::wstring path = DxfFileName(typed);
        const std::wstring refusal = RefusedDxfName(path);
        EXPECT_TRUE(Contains(refusal, L"Cannot save as " + path + L": ")) << refusal;
        EXPECT_TRUE(Contains(refusal, reason)) << refusal;
    }
    EXPECT_EQ(RefusedDxfName(Wide(folder + "/e.dxf")), L"");
    EXPECT_EQ(RefusedDxfName(L"/dev/shm/e.dxf"), L""); // the shared-memory folder holds files
    std::filesystem::remove_all(folder);
}

TEST(OutputFile, OtherDrawingAndModelFormatsAreRefused) {
    for (const wchar_t* name : {L"part.dwg", L"out/part.DWG", L"part.dwt", L"part.dxb",
                                L"part.step", L"part.STP", L"part.igs"}) {
        const std::wstring refusal = RefusedDxfName(name);
        EXPECT_TRUE(Contains(refusal, name)) << refusal;
        EXPECT_TRUE(Contains(refusal, L"DXF only")) << refusal;
    }
    for (const wchar_t* name : {L"part.dxf", L"part.DXF", L"part.txt", L"dwg.dir/part.dxf"}) {
        EXPECT_EQ(RefusedDxfName(name), L"") << name;
    }
}

TEST(OutputFile, FolderProblemsNameTheFolderAndTheReason) {
    const std::string folder =
        ::testing::TempDir() + "kestrin-output-" + std::to_string(::getpid());
    std::filesystem::create_directories(folder);
    EXPECT_EQ(OutputFolderProblem(Wide(folder + "/a.dxf")), L"");
    EXPECT_EQ(OutputFolderProblem(L"a.dxf"), L""); // the current folder

    const std::wstring missing = OutputFolderProblem(Wide(folder + "/gone/a.dxf"));
    EXPECT_TRUE(Contains(missing, Wide(folder + "/gone does not exist"))) << missing;

    std::ofstream(folder + "/plain") << "not a folder";
    const std::wstring plain = OutputFolderProblem(Wide(folder + "/plain/a.dxf"));
    EXPECT_TRUE(Contains(plain, Wide(folder + "/plain is not a folder"))) << plain;

    if (::geteuid() != 0) { // permissions do not hold back the superuser
        std::filesystem::create_directory(folder + "/locked");
        std::filesystem::permissions(folder + "/locked", std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_exec);
        const std::wstring locked = OutputFolderProblem(Wide(folder + "/locked/a.dxf"));
        EXPECT_TRUE(Contains(locked, L"locked cannot be written")) << locked;
        std::filesystem::permissions(folder + "/locked", std::filesystem::perms::owner_all);
    }
    std::filesystem::remove_all(folder);
}
