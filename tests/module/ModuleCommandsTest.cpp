// Kestrin module tests: start and stop of the module object, and the three command objects as the
// host's command stack sees them.
#include "support/ModuleHarness.h"

#include <KestrinHost/HostServices.h>
#include <StaticRxObject.h>

#include <gtest/gtest.h>

namespace module_test {
namespace {

const std::vector<std::wstring> kModuleCommands = {L"Kestrin", L"KestrinHelp", L"KestrinAbout"};

// A command of the host's own, to tell removal by name from removal of a whole group.
class HostCommand : public OdStaticRxObject<OdEdCommand> {
public:
    HostCommand(const wchar_t* group, const wchar_t* name) : m_group(group), m_name(name) {}
    const OdString groupName() const override { return m_group; }
    const OdString globalName() const override { return m_name; }
    void execute(OdEdCommandContext*) override {}

private:
    OdString m_group;
    OdString m_name;
};

class ModuleCommands : public ::testing::Test {
protected:
    ModuleCommands() { KestrinHost::Host().Reset(); }
};

TEST_F(ModuleCommands, StartAddsTheThreeCommandsInOrder) {
    StartedModule module;
    EXPECT_EQ(CommandNames(), kModuleCommands);
}

TEST_F(ModuleCommands, NamesGroupsAndFlags) {
    StartedModule module;
    for (const std::wstring& name : kModuleCommands) {
        SCOPED_TRACE(Narrow(name));
        OdEdCommandPtr pCommand = odedRegCmds()->lookupCmd(name.c_str());
        ASSERT_FALSE(pCommand.isNull());
        EXPECT_EQ(pCommand->globalName(), OdString(name.c_str()));
        EXPECT_EQ(pCommand->localName(), pCommand->globalName());
        EXPECT_EQ(pCommand->groupName(), OdString(L"Kestrin Commands"));
        EXPECT_EQ(pCommand->flags(), OdEdCommand::kDefaultFlags);
        EXPECT_EQ(pCommand->isA(), OdEdCommand::desc());
        EXPECT_EQ(pCommand->module(), module.Module());
    }
}

TEST_F(ModuleCommands, CommandObjectsAreNotCounted) {
    StartedModule module;
    OdEdCommandPtr pCommand = odedRegCmds()->lookupCmd(L"Kestrin");
    pCommand->release();
    pCommand->release();
    pCommand->addRef();
    pCommand->addRef();
    EXPECT_EQ(pCommand->globalName(), OdString(L"Kestrin"));
}

TEST_F(ModuleCommands, StopRemovesExactlyItsThreeCommandsByGroupAndName) {
    HostCommand sameGroup(L"Kestrin Commands", L"KestrinExtra");
    HostCommand sameName(L"Other Commands", L"Kestrin");
    LoadedModuleFile file;
    HINSTANCE hInstance = file.Handle();
    OdRxModule* pModule = file.CreateModuleObject(hInstance);
    pModule->initApp();
    odedRegCmds()->addCommand(&sameGroup);
    odedRegCmds()->addCommand(&sameName);

    pModule->uninitApp();
    EXPECT_EQ(CommandNames(), (std::vector<std::wstring>{L"KestrinExtra", L"Kestrin"}));

    pModule->deleteModule();
    odedRegCmds()->removeCmd(L"Kestrin Commands", L"KestrinExtra");
    odedRegCmds()->removeCmd(L"Other Commands", L"Kestrin");
}

// The host's own menu bar before the module starts: twelve pull-downs, "Host1" to "Host12".
void FillMenuBarWithHostMenus() {
    for (int i = 1; i <= 12; ++i) {
        KestrinHost::PullDownMenu menu;
        menu.section = L"POP" + std::to_wstring(i);
        KestrinHost::Host().Bar().Insert(static_cast<std::size_t>(i),
                                         {L"Host" + std::to_wstring(i), menu});
    }
}

TEST_F(ModuleCommands, StartLoadsTheMenuBesideTheModuleAndInsertsItsPullDownAtTen) {
    FillMenuBarWithHostMenus();
    StartedModule module;
    const KestrinHost::MenuGroup* pGroup = KestrinHost::Host().Menus().Find(L"Kestrin");
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(Narrow(pGroup->sourcePath), (RuntimeFolder() / "Kestrin.mnu").string());
    EXPECT_EQ(KestrinHost::Host().Bar().PositionOf(L"Kestrin", L"pop1"), 10u);
    const auto& entries = KestrinHost::Host().Bar().Entries();
    ASSERT_EQ(entries.size(), 13u);
    EXPECT_EQ(entries[8].groupName, L"Host9");
    EXPECT_EQ(entries[10].groupName, L"Host10");
}

TEST_F(ModuleCommands, StopLeavesTheMenuLoaded) {
    { StartedModule module; }
    EXPECT_NE(KestrinHost::Host().Menus().Find(L"Kestrin"), nullptr);
    EXPECT_NE(KestrinHost::Host().Bar().PositionOf(L"Kestrin", L"pop1"), 0u);
}

TEST_F(ModuleCommands, ModuleCanBeStartedAgainAfterUnload) {
    { StartedModule module; }
    StartedModule again;
    EXPECT_EQ(CommandNames(), kModuleCommands);
}

} // namespace
} // namespace module_test
