// Kestrin module tests: what the commands show belongs to the host's main window when the host
// has one. The help command switches to the module's own framework state, whose application has
// no main window; the parent must still be the host's.
#include "support/ModuleHarness.h"

#include "Session/HostWindow.h"

#include <KestrinHost/HostServices.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace module_test {
namespace {

using KestrinHost::ScriptAction;
using KestrinHost::ShownKind;

class ParentWindow : public ::testing::Test {
protected:
    ParentWindow() {
        KestrinHost::Host().Reset();
        ::setenv("KESTRIN_REGISTRY_FILE", (m_folder.Path() / "settings").c_str(), 1);
    }

    TemporaryFolder m_folder;
    KestrinApp::HostApplication m_host; // the host program's own, made before the module loads
    StartedModule m_module{InstallModuleInto(m_folder.Path(), true)}; // without a help file
    ScriptedUser m_user;
    OpenDrawing m_drawing;
};

TEST_F(ParentWindow, AboutBoxBelongsToTheMainWindow) {
    ASSERT_NE(m_host.MainWindow(), nullptr);
    RunCommand(L"KestrinAbout", m_drawing.pContext);
    const auto shown = m_user.Shown(ShownKind::About);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].owner, m_host.MainWindow());
}

TEST_F(ParentWindow, HelpErrorBelongsToTheMainWindow) {
    RunCommand(L"KestrinHelp", m_drawing.pContext);
    const auto boxes = m_user.Shown(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, m_host.MainWindow());
}

TEST_F(ParentWindow, ImportDialogsBelongToTheMainWindow) {
    m_user.Ui().Push(
        {ScriptAction::File((m_folder.Path() / "absent.stp").wstring()), ScriptAction::Cancel()});
    RunCommand(L"Kestrin", m_drawing.pContext);
    const auto fileDialogs = m_user.Shown(ShownKind::FileDialog);
    const auto dialogs = m_user.Shown(ShownKind::Dialog);
    ASSERT_EQ(fileDialogs.size(), 1u);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(fileDialogs[0].owner, m_host.MainWindow());
    EXPECT_EQ(dialogs[0].owner, m_host.MainWindow());
}

TEST_F(ParentWindow, NoDrawingBoxBelongsToTheMainWindow) {
    RunCommand(L"Kestrin", nullptr);
    const auto boxes = m_user.Shown(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, m_host.MainWindow());
}

} // namespace
} // namespace module_test
