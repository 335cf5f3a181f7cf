// Tests of the module loader on a small shared object of its own (TestLibrary.cpp), copied into a
// folder whose name has spaces and non-ASCII letters: DllMain attach and detach, reference counts,
// the path of a loaded object, own exports only, and failed loads.
#include "support/TestFolder.h"

#include "windows.h"
#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

typedef HMODULE (*OwnHandleFunction)();

class Loader : public ::testing::Test {
protected:
    Loader()
        : m_libraryPath(m_folder.File("Kestrin Tëst ü/libtest library.so")),
          m_log(m_folder.File("dllmain.log")), m_logGuard("KESTRIN_TEST_DLLMAIN_LOG", m_log) {
        std::filesystem::copy_file(KESTRIN_TEST_LIBRARY, m_libraryPath);
    }

    std::wstring LibraryPath() const { return kposix::FromUtf8(m_libraryPath); }
    std::string Log() const { return KestrinTest::ReadFile(m_log); }

    KestrinTest::TestFolder m_folder;
    std::string m_libraryPath;
    std::string m_log;
    KestrinTest::ScopedEnvironment m_logGuard;
};

} // namespace

TEST_F(Loader, CallsDllMainOnceForTheFirstLoadAndTheLastFree) {
    HMODULE hFirst = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(hFirst, nullptr) << kposix::ToUtf8(KestrinWin32::LastLoaderMessage());
    HMODULE hSecond = ::LoadLibraryW(LibraryPath().c_str());
    EXPECT_EQ(hSecond, hFirst);
    EXPECT_EQ(Log(), "attach\n");
    EXPECT_TRUE(::FreeLibrary(hSecond));
    EXPECT_EQ(Log(), "attach\n");
    EXPECT_TRUE(::FreeLibrary(hFirst));
    EXPECT_EQ(Log(), "attach\ndetach\n");
    EXPECT_FALSE(::FreeLibrary(hFirst));
    EXPECT_EQ(::GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(Loader, InstanceHandleIsTheObjectsOwnAndNamesItsFile) {
    HMODULE hLibrary = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(hLibrary, nullptr);
    const auto ownHandle = reinterpret_cast<OwnHandleFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hLibrary, "TestLibraryOwnHandle")));
    ASSERT_NE(ownHandle, nullptr);
    EXPECT_EQ(ownHandle(), hLibrary);

    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(hLibrary, path, MAX_PATH);
    EXPECT_EQ(std::wstring(path), LibraryPath());
    EXPECT_EQ(length, LibraryPath().size());

    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t dir[_MAX_DIR] = {};
    _wsplitpath(path, drive, dir, nullptr, nullptr);
    EXPECT_EQ(std::wstring(dir), kposix::FromUtf8(m_folder.Path()) + L"/Kestrin Tëst ü/");
    ::FreeLibrary(hLibrary);
}

TEST_F(Loader, PathThatDoesNotFitIsCutAndReported) {
    HMODULE hLibrary = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(hLibrary, nullptr);
    wchar_t path[8] = {};
    EXPECT_EQ(::GetModuleFileNameW(hLibrary, path, 8), 8u);
    EXPECT_EQ(::GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::wstring(path), LibraryPath().substr(0, 7));
    ::FreeLibrary(hLibrary);
}

TEST_F(Loader, GetProcAddressFindsOnlyTheObjectsOwnExports) {
    HMODULE hLibrary = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(hLibrary, nullptr);
    EXPECT_NE(::GetProcAddress(hLibrary, "DllMain"), nullptr);
    // Defined by the C library the object depends on, so not an export of the object.
    EXPECT_EQ(::GetProcAddress(hLibrary, "getenv"), nullptr);
    EXPECT_EQ(::GetLastError(), ERROR_PROC_NOT_FOUND);
    ::FreeLibrary(hLibrary);
}

TEST_F(Loader, FailedAttachUnloadsAfterDetachAndReportsInitFailure) {
    const KestrinTest::ScopedEnvironment fail("KESTRIN_TEST_FAIL_ATTACH", "1");
    EXPECT_EQ(::LoadLibraryW(LibraryPath().c_str()), nullptr);
    EXPECT_EQ(::GetLastError(), ERROR_DLL_INIT_FAILED);
    EXPECT_EQ(Log(), "attach\ndetach\n");
    EXPECT_FALSE(KestrinWin32::LastLoaderMessage().empty());
}

TEST_F(Loader, MissingFileFailsWithTheLinkersReason) {
    EXPECT_EQ(::LoadLibraryW((LibraryPath() + L".missing").c_str()), nullptr);
    EXPECT_EQ(::GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_FALSE(KestrinWin32::LastLoaderMessage().empty());
    EXPECT_EQ(Log(), "");
}

TEST(ModuleFileName, NullHandleNamesTheProgram) {
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    const std::wstring program = path;
    EXPECT_EQ(program.substr(program.rfind(L'/') + 1), L"win32_tests");
    EXPECT_EQ(::GetModuleFileNameW(reinterpret_cast<HMODULE>(&path), path, MAX_PATH), 0u);
}
