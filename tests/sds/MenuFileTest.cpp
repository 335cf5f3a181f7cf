// Tests of the menu file reader: the group, its pull-downs and items, and the faults that keep a
// file from loading.
#include "KestrinHost/MenuFile.h"
#include "SdsTestSupport.h"

#include <gtest/gtest.h>

using KestrinHost::MenuFileStatus;
using KestrinHost::ParseMenuText;
using KestrinHost::ReadMenuFile;

namespace {

constexpr const wchar_t* kTwoMenus = L"// comment line\n"
                                     L"***MENUGROUP=Tools\n"
                                     L"***POP1\n"
                                     L"**TOOLS_POP\n"
                                     L"ID_T [&Tools]\n"
                                     L"ID_A [&Alpha]^C^CAlpha\n"
                                     L"     [--]\n"
                                     L"     [B&&&Beta]^C^CBeta +\n"
                                     L"one two\n"
                                     L"***HELPSTRINGS\n"
                                     L"ID_A [help text, not an item]\n"
                                     L"***POP2\n"
                                     L"[Second]\n";

} // namespace

TEST(MenuFile, ReadsGroupPullDownsAndItems) {
    const auto result = ParseMenuText(kTwoMenus);
    ASSERT_EQ(result.status, MenuFileStatus::Ok);
    EXPECT_EQ(result.group.name, L"Tools");
    ASSERT_EQ(result.group.pullDowns.size(), 2u);

    const auto& pop1 = result.group.pullDowns[0];
    EXPECT_EQ(pop1.section, L"POP1");
    EXPECT_EQ(pop1.alias, L"TOOLS_POP");
    EXPECT_EQ(pop1.title.label, L"&Tools");
    EXPECT_EQ(pop1.title.DisplayLabel(), L"Tools");
    ASSERT_EQ(pop1.items.size(), 3u);
    EXPECT_EQ(pop1.items[0].nameTag, L"ID_A");
    EXPECT_EQ(pop1.items[0].macro, L"^C^CAlpha");
    EXPECT_TRUE(pop1.items[1].IsSeparator());
    EXPECT_EQ(pop1.items[2].DisplayLabel(), L"B&Beta");
    EXPECT_EQ(pop1.items[2].macro, L"^C^CBeta one two"); // continued on the next line

    EXPECT_TRUE(result.group.pullDowns[1].items.empty());
    EXPECT_EQ(result.group.FindPullDown(L"pop1"), &pop1);
    EXPECT_EQ(result.group.FindPullDown(L"tools_pop"), &pop1);
    EXPECT_EQ(result.group.FindPullDown(L"POP3"), nullptr);
}

TEST(MenuFile, FaultsNameTheirLine) {
    struct Case {
        const wchar_t* text;
        MenuFileStatus status;
        int line;
    };
    const Case cases[] = {
        {L"***POP1\n[Title]\n", MenuFileStatus::MissingMenuGroup, 0},
        {L"***MENUGROUP=\n", MenuFileStatus::MissingMenuGroup, 1},
        {L"***MENUGROUP=A\n***MENUGROUP=B\n", MenuFileStatus::SecondMenuGroup, 2},
        {L"***MENUGROUP=A\n***POP1\n[T]\n***pop1\n[T]\n", MenuFileStatus::DuplicateSection, 4},
        {L"***MENUGROUP=A\n***POP1\n[T]\nKestrin\n", MenuFileStatus::ItemWithoutLabel, 4},
        {L"***MENUGROUP=A\n***POP1\n[T]\n[Open^C^C\n", MenuFileStatus::UnclosedLabel, 4},
        {L"***MENUGROUP=A\n***POP1\n[T]\n[->More]\n", MenuFileStatus::CascadeUnsupported, 4},
        {L"***MENUGROUP=A\n***POP1\n***POP2\n[T]\n", MenuFileStatus::MissingTitle, 3},
        {L"***MENUGROUP=A\n***POP1\n", MenuFileStatus::MissingTitle, 0},
    };
    for (const Case& c : cases) {
        const auto result = ParseMenuText(c.text);
        EXPECT_EQ(result.status, c.status) << std::wstring(c.text).c_str();
        EXPECT_EQ(result.line, c.line) << KestrinHost::MenuFileStatusText(c.status);
    }
}

TEST(MenuFile, ReadsUtf8WithByteOrderMarkAndCrLfFromAFolderWithSpacesAndAccents) {
    const SdsTest::ScratchFolder folder("Menüs and Überschriften");
    const auto file = folder.Write("Grüße.mnu", "\xEF\xBB\xBF***MENUGROUP=Gr\xC3\xBC\xC3\x9F"
                                                "e\r\n"
                                                "***POP1\r\n[&\xC3\x9C"
                                                "ber]^C^CAbout\r\n");
    const auto result = ReadMenuFile(SdsTest::WidePath(file));
    ASSERT_EQ(result.status, MenuFileStatus::Ok);
    EXPECT_EQ(result.group.name, L"Grüße");
    EXPECT_EQ(result.group.pullDowns[0].title.DisplayLabel(), L"Über");
    EXPECT_EQ(result.group.pullDowns[0].title.macro, L"^C^CAbout");
    EXPECT_EQ(result.group.sourcePath, SdsTest::WidePath(file));
}

TEST(MenuFile, MissingFileOrFolderCannotBeOpened) {
    const SdsTest::ScratchFolder folder("missing");
    EXPECT_EQ(ReadMenuFile(SdsTest::WidePath(folder.Path() / "none.mnu")).status,
              MenuFileStatus::CannotOpen);
    EXPECT_EQ(ReadMenuFile(SdsTest::WidePath(folder.Path())).status, MenuFileStatus::CannotOpen);
}

TEST(MenuFile, ShippedMenuDefinesKestrinPop1WithTheThreeCommands) {
    const auto result = ReadMenuFile(SdsTest::WidePath(KESTRIN_RUNTIME_MENU_FILE));
    ASSERT_EQ(result.status, MenuFileStatus::Ok);
    EXPECT_EQ(result.group.name, L"Kestrin");
    const auto* pop1 = result.group.FindPullDown(L"pop1");
    ASSERT_NE(pop1, nullptr);
    EXPECT_EQ(pop1->title.DisplayLabel(), L"Kestrin");
    std::vector<std::wstring> macros;
    for (const auto& item : pop1->items) {
        if (!item.IsSeparator()) {
            macros.push_back(item.macro);
        }
    }
    EXPECT_EQ(macros,
              (std::vector<std::wstring>{L"^C^CKestrin", L"^C^CKestrinHelp", L"^C^CKestrinAbout"}));
}
