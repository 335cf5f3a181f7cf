// Tests of loading menu groups with "_menuload" and of menu commands on the host's menu bar, as
// the module does when it starts: sds_command "_menuload", then sds_menucmd "P10=+Kestrin.pop1".
#include "KestrinHost/HostServices.h"
#include "KestrinHost/MenuCommand.h"
#include "SdsTestSupport.h"
#include "sds.h"

#include <gtest/gtest.h>

using KestrinHost::Host;
using KestrinHost::MenuBarEntry;

namespace {

// The titles on the menu bar, leftmost first.
std::vector<std::wstring> BarTitles() {
    std::vector<std::wstring> titles;
    for (const MenuBarEntry& entry : Host().Bar().Entries()) {
        titles.push_back(entry.menu.title.DisplayLabel());
    }
    return titles;
}

class MenuBarFixture : public SdsTest::FreshHost {
protected:
    // Loads a group "Host" with pull-downs titled File, Edit, View, as a host's own menu.
    void LoadHostMenu(const SdsTest::ScratchFolder& folder) {
        const auto file = folder.Write("host.mnu", "***MENUGROUP=Host\n"
                                                   "***POP1\n[&File]\n[&New]^C^CNEW\n"
                                                   "***POP2\n[&Edit]\n"
                                                   "***POP3\n[&View]\n");
        ASSERT_EQ(LoadMenu(file), RTNORM);
        for (const wchar_t* command : {L"P1=+Host.POP1", L"P2=+Host.POP2", L"P3=+Host.POP3"}) {
            ASSERT_EQ(sds_menucmd(command), RTNORM);
        }
    }
    int LoadMenu(const std::filesystem::path& file) {
        return sds_command(RTSTR, L"_menuload", RTSTR, SdsTest::WidePath(file).c_str(), RTNONE);
    }
    void LoadKestrinMenu() { ASSERT_EQ(LoadMenu(KESTRIN_RUNTIME_MENU_FILE), RTNORM); }
};

} // namespace

TEST_F(MenuBarFixture, ModuleStartShowsKestrinOnAnEmptyBar) {
    LoadKestrinMenu();
    EXPECT_EQ(sds_menucmd(L"P10=+Kestrin.pop1"), RTNORM);
    ASSERT_EQ(Host().Bar().Entries().size(), 1u);
    const MenuBarEntry& entry = Host().Bar().Entries()[0];
    EXPECT_EQ(entry.groupName, L"Kestrin");
    EXPECT_EQ(entry.menu.title.DisplayLabel(), L"Kestrin");
    EXPECT_EQ(entry.menu.items.front().DisplayLabel(), L"Import STEP file...");
}

TEST_F(MenuBarFixture, InsertTakesThePositionOrTheEndWhenTheBarIsShorter) {
    const SdsTest::ScratchFolder folder("bar");
    LoadHostMenu(folder);
    LoadKestrinMenu();
    EXPECT_EQ(sds_menucmd(L"P10=+Kestrin.pop1"), RTNORM);
    EXPECT_EQ(BarTitles(), (std::vector<std::wstring>{L"File", L"Edit", L"View", L"Kestrin"}));

    ASSERT_EQ(sds_menucmd(L"P4=-"), RTNORM);
    EXPECT_EQ(sds_menucmd(L"p2=+kestrin.KESTRIN"), RTNORM); // case-insensitive, by alias
    EXPECT_EQ(BarTitles(), (std::vector<std::wstring>{L"File", L"Kestrin", L"Edit", L"View"}));
}

TEST_F(MenuBarFixture, APullDownAlreadyShownStaysWhereItIs) {
    LoadKestrinMenu();
    ASSERT_EQ(sds_menucmd(L"P10=+Kestrin.pop1"), RTNORM);
    EXPECT_EQ(sds_menucmd(L"P1=+Kestrin.POP1"), RTNORM);
    EXPECT_EQ(Host().Bar().Entries().size(), 1u);
}

TEST_F(MenuBarFixture, FailingMenuCommandsChangeNothingAndAreReported) {
    const SdsTest::ScratchFolder folder("failing");
    LoadHostMenu(folder);
    LoadKestrinMenu();
    std::vector<std::wstring> messages;
    Host().SetMessageSink([&messages](const std::wstring& text) { messages.push_back(text); });
    const std::vector<std::wstring> before = BarTitles();
    for (const wchar_t* command :
         {L"P10=+Other.pop1", L"P10=+Kestrin.pop9", L"P0=+Kestrin.pop1", L"P=+Kestrin.pop1",
          L"P10+Kestrin.pop1", L"P10=+Kestrin", L"P10=+.pop1", L"P10=+Kestrin.", L"P10=-x",
          L"P10=-", L"P10=+Kestrin.pop1 ", L"Q10=+Kestrin.pop1", L""}) {
        EXPECT_EQ(sds_menucmd(command), RTERROR) << std::wstring(command).c_str();
    }
    EXPECT_EQ(sds_menucmd(nullptr), RTREJ);
    EXPECT_EQ(BarTitles(), before);
    ASSERT_EQ(messages.size(), 13u);
    EXPECT_EQ(messages[0], L"Menu command \"P10=+Other.pop1\" failed: no menu group of that "
                           L"name is loaded");
}

TEST(MenuCommandText, HugePositionsAppend) {
    KestrinHost::MenuGroups groups;
    groups.Add(KestrinHost::ParseMenuText(L"***MENUGROUP=G\n***POP1\n[T]\n").group);
    KestrinHost::MenuBar bar;
    EXPECT_EQ(KestrinHost::RunMenuCommand(L"P99999999999999999999999=+G.POP1", groups, &bar),
              KestrinHost::MenuCommandStatus::Ok);
    EXPECT_EQ(bar.PositionOf(L"g", L"pop1"), 1u);
}

TEST_F(MenuBarFixture, MenuLoadFailureRegistersNothingAndSaysWhy) {
    const SdsTest::ScratchFolder folder("faulty");
    const auto file = folder.Write("bad.mnu", "***MENUGROUP=Bad\n***POP1\n[&Bad]\n[Open\n");
    std::vector<std::wstring> messages;
    Host().SetMessageSink([&messages](const std::wstring& text) { messages.push_back(text); });
    EXPECT_EQ(LoadMenu(file), RTERROR);
    EXPECT_EQ(Host().Menus().Find(L"Bad"), nullptr);
    EXPECT_EQ(LoadMenu(folder.Path() / "missing.mnu"), RTERROR);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], L"Unable to load menu file \"" + SdsTest::WidePath(file) +
                               L"\": a label without its closing ] (line 4)");
    EXPECT_EQ(sds_command(RTSTR, L"_menuload", RTNONE), RTREJ); // no path given
}

TEST_F(MenuBarFixture, LoadingAGroupAgainReplacesIt) {
    const SdsTest::ScratchFolder folder("reload");
    ASSERT_EQ(LoadMenu(folder.Write("a.mnu", "***MENUGROUP=G\n***POP1\n[Old]\n")), RTNORM);
    ASSERT_EQ(sds_menucmd(L"P1=+G.POP1"), RTNORM);
    ASSERT_EQ(LoadMenu(folder.Write("b.mnu", "***MENUGROUP=g\n***POP1\n[New]\n")), RTNORM);
    EXPECT_EQ(Host().Menus().Find(L"G")->pullDowns[0].title.label, L"New");
    EXPECT_EQ(BarTitles(), std::vector<std::wstring>{L"Old"}); // the bar keeps what it showed
}
