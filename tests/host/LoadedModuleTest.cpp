// Kestrin host tests: loading module files: the reasons a file is refused, a start that fails,
// and commands a module leaves behind at its stop, which the host removes before the module
// object goes.
#include "Session/LoadedModule.h"
#include "Session/WideText.h"

#include "Ed/EdCommandStack.h"

#include <gtest/gtest.h>

#include <fstream>

using KestrinApp::LoadedModule;
using KestrinApp::ModuleLoadStatus;

namespace {

struct Loaded {
    std::unique_ptr<LoadedModule> module;
    ModuleLoadStatus status;
    std::wstring reason;
};

Loaded Load(const std::string& path) {
    Loaded loaded{nullptr, ModuleLoadStatus::Ok, {}};
    loaded.module = LoadedModule::Load(KestrinApp::FromUtf8(path), &loaded.status, &loaded.reason);
    return loaded;
}

std::string TestModule(const char* variant) {
    return std::string(KESTRIN_TEST_MODULE_DIR) + "/host_test_module_" + variant + ".drx";
}

bool HasTestCommand() {
    return !odedRegCmds()->lookupCmd(L"HostTestModuleCommand").isNull();
}

} // namespace

TEST(LoadedModule, StartsAModuleAndStopsItAtTheEnd) {
    {
        Loaded loaded = Load(TestModule("good"));
        ASSERT_EQ(loaded.status, ModuleLoadStatus::Ok) << KestrinApp::ToUtf8(loaded.reason);
        OdEdCommandPtr pCommand = odedRegCmds()->lookupCmd(L"hosttestmodulecommand");
        ASSERT_FALSE(pCommand.isNull());
        EXPECT_EQ(pCommand->module(), loaded.module->Module()); // recorded while it started
    }
    EXPECT_FALSE(HasTestCommand());
}

TEST(LoadedModule, RefusesMissingFilesAndFilesThatAreNoModule) {
    Loaded missing = Load("/no/such/Kestrin.drx");
    EXPECT_EQ(missing.status, ModuleLoadStatus::FileMissing);
    EXPECT_NE(missing.reason.find(L"/no/such/Kestrin.drx"), std::wstring::npos);

    const std::string text = ::testing::TempDir() + "not-a-module.drx";
    std::ofstream(text) << "not a shared object\n";
    EXPECT_EQ(Load(text).status, ModuleLoadStatus::NotLoadable);
    std::remove(text.c_str());

    const Loaded library = Load(KESTRIN_TEST_PLAIN_LIBRARY); // loads, but exports nothing of ours
    EXPECT_EQ(library.status, ModuleLoadStatus::NotAModule);
    EXPECT_NE(library.reason.find(L"odrxGetAPIVersion"), std::wstring::npos);
}

TEST(LoadedModule, RefusesAnotherToolkitInterfaceVersionBeforeCreatingAnything) {
    const Loaded loaded = Load(TestModule("old_api"));
    EXPECT_EQ(loaded.status, ModuleLoadStatus::WrongVersion);
    EXPECT_NE(loaded.reason.find(L"2.4.1.0"), std::wstring::npos);
    EXPECT_NE(loaded.reason.find(L"2.5.1.0"), std::wstring::npos);
    EXPECT_FALSE(HasTestCommand());
}

TEST(LoadedModule, FailedStartIsUndoneAndReported) {
    const Loaded loaded = Load(TestModule("failing_start"));
    EXPECT_EQ(loaded.status, ModuleLoadStatus::StartFailed);
    EXPECT_NE(loaded.reason.find(L"test module start"), std::wstring::npos);
    EXPECT_FALSE(HasTestCommand()); // not left pointing into the deleted module object
}

TEST(LoadedModule, CommandsLeftByTheStopAreRemovedBeforeTheModuleGoes) {
    {
        Loaded loaded = Load(TestModule("forgetful_stop"));
        ASSERT_EQ(loaded.status, ModuleLoadStatus::Ok);
    }
    EXPECT_FALSE(HasTestCommand());
}
