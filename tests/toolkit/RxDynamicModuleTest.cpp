// Kestrin toolkit tests: the module wrapper. Its count never deletes the module, deleteModule()
// clears the module pointer before deleting, and it reports its instance handle and file name.
#include "RxDynamicModule.h"

#include <cwchar>
#include <gtest/gtest.h>

namespace {

HMODULE g_hAskedFor = nullptr;
int g_nDestroyed = 0;

class TestModule : public OdRxModule {
public:
    ~TestModule() override { ++g_nDestroyed; }
    void initApp() override {}
    void uninitApp() override {}
};

using WrappedModule = OdRxWin32Module<TestModule, OdRxModule>;

HINSTANCE FakeInstance() {
    static char s_instance;
    return reinterpret_cast<HINSTANCE>(&s_instance);
}

} // namespace

DWORD GetModuleFileNameW(HMODULE hModule, wchar_t* pFileName, DWORD size) {
    g_hAskedFor = hModule;
    std::swprintf(pFileName, size, L"%ls", L"/opt/host/Test.drx");
    return static_cast<DWORD>(std::wcslen(pFileName));
}

TEST(RxWin32Module, ReleaseNeverDeletes) {
    OdRxModule* pModulePointer = nullptr;
    pModulePointer = WrappedModule::createModule(FakeInstance(), &pModulePointer);
    EXPECT_EQ(pModulePointer->numRefs(), 0);
    pModulePointer->addRef();
    pModulePointer->release();
    pModulePointer->release(); // below zero: still alive
    EXPECT_EQ(pModulePointer->numRefs(), -1);
    { OdRxModulePtr pCounted(pModulePointer); }
    EXPECT_EQ(g_nDestroyed, 0);
    pModulePointer->deleteModule();
}

TEST(RxWin32Module, DeleteModuleClearsPointerThenDeletes) {
    g_nDestroyed = 0;
    OdRxModule* pModulePointer = nullptr;
    pModulePointer = WrappedModule::createModule(FakeInstance(), &pModulePointer);
    EXPECT_EQ(pModulePointer->sysData(), static_cast<void*>(FakeInstance()));
    EXPECT_EQ(pModulePointer->moduleName(), OdString(L"/opt/host/Test.drx"));
    EXPECT_EQ(g_hAskedFor, FakeInstance());
    EXPECT_EQ(pModulePointer->isA(), OdRxModule::desc());
    pModulePointer->deleteModule();
    EXPECT_EQ(pModulePointer, nullptr);
    EXPECT_EQ(g_nDestroyed, 1);
}
