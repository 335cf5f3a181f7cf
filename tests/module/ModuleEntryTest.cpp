// Kestrin module tests: the module file's exports and the module object, through the real
// module file loaded with the window system's loader, as the host loads it.
#include "support/ModuleHarness.h"

#include <gtest/gtest.h>

namespace module_test {
namespace {

TEST(ModuleEntry, ReportsToolkitInterface2_5_1_0) {
    LoadedModuleFile file;
    int major = -1, minor = -1, build = -1, revision = -1;
    file.GetApiVersion(&major, &minor, &build, &revision);
    EXPECT_EQ(major, 2);
    EXPECT_EQ(minor, 5);
    EXPECT_EQ(build, 1);
    EXPECT_EQ(revision, 0);
}

TEST(ModuleEntry, CreateTakesTheHandleOver) {
    LoadedModuleFile file;
    HINSTANCE hInstance = file.Handle();
    OdRxModule* pModule = file.CreateModuleObject(hInstance);
    ASSERT_NE(pModule, nullptr);
    EXPECT_EQ(hInstance, nullptr);
    EXPECT_EQ(pModule->sysData(), file.Handle());
    EXPECT_EQ(pModule->numRefs(), 0);
    pModule->deleteModule();
}

TEST(ModuleEntry, SecondCreateReturnsSameObjectAndLeavesTheHandle) {
    LoadedModuleFile file;
    HINSTANCE hFirst = file.Handle();
    OdRxModule* pFirst = file.CreateModuleObject(hFirst);
    HINSTANCE hSecond = file.Handle();
    OdRxModule* pSecond = file.CreateModuleObject(hSecond);
    EXPECT_EQ(pSecond, pFirst);
    EXPECT_EQ(hSecond, file.Handle());
    pFirst->deleteModule();
}

TEST(ModuleEntry, CreateAfterDeleteMakesAFreshObject) {
    LoadedModuleFile file;
    HINSTANCE hFirst = file.Handle();
    OdRxModule* pFirst = file.CreateModuleObject(hFirst);
    pFirst->addRef();
    pFirst->deleteModule();

    HINSTANCE hSecond = file.Handle();
    OdRxModule* pSecond = file.CreateModuleObject(hSecond);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(hSecond, nullptr); // a new object took the handle, not the old one's pointer
    EXPECT_EQ(pSecond->numRefs(), 0);
    EXPECT_EQ(pSecond->sysData(), file.Handle());
    pSecond->deleteModule();
}

TEST(ModuleEntry, ReleaseToZeroAndBelowLeavesTheObjectAlive) {
    LoadedModuleFile file;
    HINSTANCE hInstance = file.Handle();
    OdRxModule* pModule = file.CreateModuleObject(hInstance);
    pModule->addRef();
    pModule->release();
    EXPECT_EQ(pModule->numRefs(), 0);
    pModule->release();
    EXPECT_EQ(pModule->numRefs(), -1);
    // Still usable: the sanitizer would report a use after free here.
    EXPECT_EQ(pModule->sysData(), file.Handle());
    {
        OdRxModulePtr pHolder(pModule); // a counted holder that lets go again
    }
    EXPECT_EQ(pModule->numRefs(), -1);
    pModule->deleteModule();
}

TEST(ModuleEntry, ModuleObjectIsAModuleAndNamesItsFile) {
    LoadedModuleFile file;
    HINSTANCE hInstance = file.Handle();
    OdRxModule* pModule = file.CreateModuleObject(hInstance);
    EXPECT_EQ(pModule->isA(), OdRxModule::desc());
    EXPECT_EQ(Narrow(pModule->moduleName().c_str()), BuiltModulePath().string());
    pModule->deleteModule();
}

TEST(ModuleEntry, ExportsOnlyTheEntryPointsAndTheLoaderSymbols) {
    LoadedModuleFile file;
    EXPECT_NE(::GetProcAddress(file.Handle(), "odrxCreateModuleObject"), nullptr);
    EXPECT_NE(::GetProcAddress(file.Handle(), "odrxGetAPIVersion"), nullptr);
    EXPECT_NE(::GetProcAddress(file.Handle(), "DllMain"), nullptr);
    EXPECT_EQ(::GetProcAddress(file.Handle(), "g_pModule"), nullptr);
    EXPECT_EQ(::GetProcAddress(file.Handle(), "theApp"), nullptr);
    EXPECT_EQ(::GetProcAddress(file.Handle(), "_Z9RunImportP18OdEdCommandContextP6HWND__"),
              nullptr);
}

} // namespace
} // namespace module_test
