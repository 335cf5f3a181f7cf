// Kestrin import tests: shared fixture and helpers. Each test gets a fresh host, a settings store
// of its own (KESTRIN_REGISTRY_FILE), the started module file, a scripted user and an open
// drawing; the import runs as the host runs it, through the "Kestrin" command. What the
// translation library makes of a file is learnt by calling it directly, the same way.
#pragma once

#include "support/ModuleHarness.h"

#include <DbDatabase.h>
#include <KestrinHost/HostServices.h>
#include <LKVRegistry.h>
#include <Quarnel.h>
#include <ToolkitTestHooks.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace import_test {

using KestrinHost::ScriptAction;
using KestrinHost::ShownKind;
using module_test::Narrow;
using module_test::Wide;

// The options dialog's controls, as its template numbers them.
constexpr int kMeshRadio = 8000;
constexpr int kEdgeCurvesRadio = 8001;
constexpr int kMeshTypeCombo = 200;
constexpr int kWarningCheck = 201;

const wchar_t* const kSettingsKey = L"Software\\Larkvane\\Kestrin for IntelliCAD";

/// A STEP file that quarnel-make-fixtures wrote.
inline std::string FixtureFile(const std::string& name) {
    return std::string(KESTRIN_STEP_FIXTURE_DIR) + "/" + name;
}

/// The object counts of one translation, array by array in the set's order.
struct TranslatedCounts {
    int points = 0, lines = 0, polylines = 0, circles = 0, arcs = 0, nurbsCurves = 0, meshes = 0;
    int Total() const { return points + lines + polylines + circles + arcs + nurbsCurves + meshes; }
};

/// Translates a file directly with the library; the test fails when the library does.
TranslatedCounts TranslateDirectly(const std::string& path, int surfaceType);

/// The failure text the library gives for a file and surface type; empty when it succeeds.
std::wstring LibraryFailureText(const std::string& path, int surfaceType);

/// The stored options, as the dialog stores them.
struct StoredOptions {
    int surfaceType;
    int meshType;
    int warning;
};

/// Stores options under the dialog's key, as an earlier OK would have.
void StoreOptions(const StoredOptions& options);

/// What ReadStoredOptions gives for a value that is not stored: none that the dialog stores, and
/// unlike the defaults it reads in (0, 0, 1), so that a check on a stored value fails when
/// nothing was written.
constexpr int kNotStored = -100;

/// The options stored now.
StoredOptions ReadStoredOptions();

/// Points the settings store at a file in folder for the lifetime of the object.
class PrivateSettingsStore {
public:
    explicit PrivateSettingsStore(const std::filesystem::path& folder);
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

class ImportTest : public ::testing::Test {
protected:
    ImportTest();
    ~ImportTest() override;

    /// Runs "Kestrin" on the open drawing with the scripted answers given.
    void RunKestrin(const std::vector<ScriptAction>& answers);

    /// Runs "Kestrin" on a file, answering the options dialog with answers (ending in OK or
    /// Cancel).
    void ImportFile(const std::string& path, std::vector<ScriptAction> dialogAnswers);

    /// What the command line shows, one entry per message.
    const std::vector<std::wstring>& CommandLineOutput() const {
        return m_drawing.commandLine.Output();
    }

    /// The model-space entities, in order.
    std::vector<OdDbEntityPtr> Entities() const;

    /// The options dialogs shown so far.
    std::vector<KestrinHost::TranscriptEntry> OptionsDialogs() const {
        return m_user.Shown(ShownKind::Dialog);
    }

    module_test::TemporaryFolder m_folder;
    PrivateSettingsStore m_settings{m_folder.Path()}; // before anything loads the module
    OdToolkitTestHooks::Scope m_hooks;
    module_test::StartedModule m_module;
    module_test::ScriptedUser m_user;
    module_test::OpenDrawing m_drawing;
};

/// "Successfully imported N objects\n".
inline std::wstring SuccessMessage(int count) {
    return L"Successfully imported " + std::to_wstring(count) + L" objects\n";
}

/// The state of one control in a list the transcript recorded; the test fails without it.
const KestrinUi::ControlState& Control(const std::vector<KestrinUi::ControlState>& controls,
                                       int id);

} // namespace import_test
