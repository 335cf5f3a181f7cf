// Kestrin host tests: a small module file for the loader's tests, built in several variants:
// the toolkit interface version it reports (KESTRIN_TEST_API_MINOR), a start that fails after
// adding its command (KESTRIN_TEST_START_FAILS), and a stop that forgets to remove it
// (KESTRIN_TEST_STOP_FORGETS). Its one command is "HostTestModuleCommand".
#include "Ed/EdCommandStack.h"
#include "RxModule.h"
#include "StaticRxObject.h"

#include <windef.h>

namespace {

constexpr const OdChar* kGroup = L"Host Test Module";
constexpr const OdChar* kCommand = L"HostTestModuleCommand";

class TestCommand : public OdEdCommand {
public:
    const OdString groupName() const override { return kGroup; }
    const OdString globalName() const override { return kCommand; }
    void execute(OdEdCommandContext* pContext) override {
        pContext->userIO()->putString(L"test module command ran\n");
    }
};

class TestModule : public OdRxModule {
public:
    explicit TestModule(HINSTANCE hModule) : m_hModule(hModule) {}
    void addRef() override {}
    void release() override {}
    void* sysData() override { return m_hModule; }
    void deleteModule() override { delete this; }
    void initApp() override {
        odedRegCmds()->addCommand(&m_command);
        if (KESTRIN_TEST_START_FAILS) {
            throw OdError(eInvalidInput, L"test module start");
        }
    }
    void uninitApp() override {
        if (!KESTRIN_TEST_STOP_FORGETS) {
            odedRegCmds()->removeCmd(kGroup, kCommand);
        }
    }
    OdString moduleName() const override { return L"test module"; }

private:
    HINSTANCE m_hModule;
    OdStaticRxObject<TestCommand> m_command;
};

} // namespace

extern "C" __attribute__((visibility("default"))) void
odrxGetAPIVersion(int& major, int& minor, int& build, int& revision) {
    major = 2;
    minor = KESTRIN_TEST_API_MINOR;
    build = 1;
    revision = 0;
}

extern "C" __attribute__((visibility("default"))) OdRxModule*
odrxCreateModuleObject(HINSTANCE& hModule) {
    OdRxModule* pModule = new TestModule(hModule);
    hModule = nullptr;
    return pModule;
}
