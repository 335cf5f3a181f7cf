// Kestrin module tests: host version, product title, menu, help and about, through the module's
// commands. The title is read from the about box the scripted user sees and from the caption of
// the help error box; the help file reaches a recording opener instead of the desktop's.
#include "support/ModuleHarness.h"

#include <KestrinHost/HostServices.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace module_test {
namespace {

using KestrinHost::ShownKind;

const std::wstring kTitleForRelease10 = L"Kestrin for Bricscad 10 version 1.0";
const std::wstring kTitleForUnknownRelease = L"Kestrin for Bricscad ???? version 1.0";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh host, a private folder, and an opener that records the file it is given.
class HostFacingServices : public ::testing::Test {
protected:
    HostFacingServices() {
        KestrinHost::Host().Reset();
        const std::filesystem::path opener = m_folder.Path() / "record-opener";
        WriteFile(opener, "#!/bin/sh\ncat \"$1\" > \"$KESTRIN_TEST_OPENER_RECORD\"\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        ::setenv("KESTRIN_OPENER", opener.c_str(), 1);
        ::setenv("KESTRIN_TEST_OPENER_RECORD", OpenerRecord().c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (m_folder.Path() / "cache").c_str(), 1);
    }

    std::filesystem::path OpenerRecord() const { return m_folder.Path() / "opened"; }

    // The title of the about box that KestrinAbout shows now.
    std::wstring AboutTitle() {
        RunCommand(L"KestrinAbout", m_drawing.pContext);
        const auto shown = m_user.Shown(ShownKind::About);
        return shown.empty() ? L"(no about box)" : shown.back().text;
    }

    void SetVersionNumber(const std::wstring& text) {
        KestrinHost::Host().Variables().Set(L"_VERNUM", text);
    }

    TemporaryFolder m_folder;
    ScriptedUser m_user;
    OpenDrawing m_drawing;
};

struct VersionCase {
    const wchar_t* versionNumber;
    const wchar_t* title;
};

// Names each case by its version number (CTest takes the printed parameter into the test name).
void PrintTo(const VersionCase& versionCase, std::ostream* out) {
    *out << "_VERNUM=" << Narrow(versionCase.versionNumber);
}

class ProductTitle : public HostFacingServices,
                     public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ProductTitle, NamesTheHostReleaseFromTheVersionNumber) {
    StartedModule module;
    SetVersionNumber(GetParam().versionNumber);
    EXPECT_EQ(AboutTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    VersionNumbers, ProductTitle,
    ::testing::Values(VersionCase{L"8", L"Kestrin for Bricscad 8 version 1.0"},
                      VersionCase{L"8.0.3", L"Kestrin for Bricscad 8 version 1.0"},
                      VersionCase{L"9", L"Kestrin for Bricscad 9 version 1.0"},
                      VersionCase{L"  9.1", L"Kestrin for Bricscad 9 version 1.0"},
                      VersionCase{L"10", L"Kestrin for Bricscad 10 version 1.0"},
                      VersionCase{L"10.2.5", L"Kestrin for Bricscad 10 version 1.0"},
                      VersionCase{L"+10", L"Kestrin for Bricscad 10 version 1.0"},
                      VersionCase{L"11", L"Kestrin for Bricscad ???? version 1.0"},
                      VersionCase{L"7", L"Kestrin for Bricscad ???? version 1.0"},
                      VersionCase{L"-8", L"Kestrin for Bricscad ???? version 1.0"},
                      VersionCase{L"108", L"Kestrin for Bricscad ???? version 1.0"},
                      VersionCase{L"", L"Kestrin for Bricscad ???? version 1.0"},
                      VersionCase{L"V10", L"Kestrin for Bricscad ???? version 1.0"}));

TEST_F(HostFacingServices, HostDefaultReleaseIs10) {
    StartedModule module;
    EXPECT_EQ(AboutTitle(), kTitleForRelease10);
}

TEST_F(HostFacingServices, UnreadableVersionNumberGivesUnknownHost) {
    StartedModule module;
    SetVersionNumber(L"9");
    KestrinHost::Host().Variables().SetReadable(L"_VERNUM", false);
    EXPECT_EQ(AboutTitle(), kTitleForUnknownRelease);
}

TEST_F(HostFacingServices, MissingVersionNumberGivesUnknownHost) {
    StartedModule module;
    KestrinHost::Host().Variables().Remove(L"_VERNUM");
    EXPECT_EQ(AboutTitle(), kTitleForUnknownRelease);
}

// Regression: the host keeps the variable's own type in the result buffer; a number there is
// no text, and reading it as one would follow a double as a pointer.
TEST_F(HostFacingServices, VersionNumberThatIsNotTextGivesUnknownHost) {
    StartedModule module;
    KestrinHost::Host().Variables().Set(L"_VERNUM", 10.0);
    EXPECT_EQ(AboutTitle(), kTitleForUnknownRelease);
}

TEST_F(HostFacingServices, TitleFollowsTheHostOnEveryUse) {
    StartedModule module;
    SetVersionNumber(L"8");
    EXPECT_EQ(AboutTitle(), L"Kestrin for Bricscad 8 version 1.0");
    SetVersionNumber(L"9.0");
    EXPECT_EQ(AboutTitle(), L"Kestrin for Bricscad 9 version 1.0");
    SetVersionNumber(L"12");
    EXPECT_EQ(AboutTitle(), kTitleForUnknownRelease);
}

TEST_F(HostFacingServices, AboutWithoutMainWindowHasNoOwner) {
    StartedModule module;
    RunCommand(L"KestrinAbout", m_drawing.pContext);
    const auto shown = m_user.Shown(ShownKind::About);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_TRUE(m_user.Shown(ShownKind::MessageBox).empty());
}

TEST_F(HostFacingServices, HelpOpensTheHelpFileBesideTheModule) {
    StartedModule module;
    RunCommand(L"KestrinHelp", m_drawing.pContext);
    EXPECT_TRUE(m_user.Shown(ShownKind::MessageBox).empty());
    EXPECT_EQ(ReadFile(OpenerRecord()), ReadFile(RuntimeFolder() / "Kestrin_Bricscad.chm"));
}

TEST_F(HostFacingServices, HelpFileIsTheSameForEveryRelease) {
    StartedModule module;
    SetVersionNumber(L"8");
    RunCommand(L"KestrinHelp", m_drawing.pContext);
    EXPECT_TRUE(m_user.Shown(ShownKind::MessageBox).empty());
    EXPECT_EQ(ReadFile(OpenerRecord()), ReadFile(RuntimeFolder() / "Kestrin_Bricscad.chm"));
}

// An installation in a folder whose name has blanks and letters beyond ASCII, with a help file of
// its own: the menu and the help file are both found beside the module file itself.
class InstalledElsewhere : public HostFacingServices {
protected:
    InstalledElsewhere() {
        std::filesystem::create_directory(m_installFolder);
        m_modulePath = InstallModuleInto(m_installFolder, true);
    }

    const std::filesystem::path m_installFolder = m_folder.Path() / "Programme für CAD" / "";
    std::filesystem::path m_modulePath;
};

TEST_F(InstalledElsewhere, MenuIsLoadedFromTheModuleFolder) {
    StartedModule module(m_modulePath);
    const KestrinHost::MenuGroup* pGroup = KestrinHost::Host().Menus().Find(L"Kestrin");
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(Narrow(pGroup->sourcePath), (m_modulePath.parent_path() / "Kestrin.mnu").string());
}

TEST_F(InstalledElsewhere, HelpIsOpenedFromTheModuleFolder) {
    const std::string page = "<html><body>Kestrin help, installed copy</body></html>\n";
    WriteFile(m_modulePath.parent_path() / "Kestrin_Bricscad.chm", page);
    StartedModule module(m_modulePath);
    RunCommand(L"KestrinHelp", m_drawing.pContext);
    EXPECT_TRUE(m_user.Shown(ShownKind::MessageBox).empty());
    EXPECT_EQ(ReadFile(OpenerRecord()), page);
}

TEST_F(InstalledElsewhere, MissingHelpFileShowsAWarningCaptionedWithTheTitle) {
    StartedModule module(m_modulePath);
    SetVersionNumber(L"9");
    RunCommand(L"KestrinHelp", m_drawing.pContext);
    const auto boxes = m_user.Shown(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Error displaying help file");
    EXPECT_EQ(boxes[0].caption, L"Kestrin for Bricscad 9 version 1.0");
    EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_FALSE(std::filesystem::exists(OpenerRecord()));
}

TEST_F(InstalledElsewhere, MissingMenuFileIsLeftToTheHost) {
    std::filesystem::remove(m_modulePath.parent_path() / "Kestrin.mnu");
    std::vector<std::wstring> messages;
    KestrinHost::Host().SetMessageSink(
        [&messages](const std::wstring& message) { messages.push_back(message); });
    StartedModule module(m_modulePath);
    EXPECT_EQ(KestrinHost::Host().Menus().Find(L"Kestrin"), nullptr);
    EXPECT_EQ(CommandNames().size(), 3u);
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.front().find(L"Kestrin.mnu"), std::wstring::npos);
}

} // namespace
} // namespace module_test
