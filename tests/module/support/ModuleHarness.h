// Kestrin module tests: the harness that drives the real module file as the host does. The file
// is loaded with the window system's loader (so its DLL start-up runs), its exports are called by
// name, and its commands are run from the host's command stack with a real drawing context.
// Every test process gets a private folder for the files the module and the stand-ins write
// (settings store, opener record, cache), set through their environment variables.
#pragma once

#include <DbHostServices.h>
#include <Ed/EdCommandStack.h>
#include <HostUi/ScriptedUi.h>
#include <RxModule.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace module_test {

/// The module file of the build tree.
std::filesystem::path BuiltModulePath();

/// The folder that holds the module file and the shared libraries beside it.
std::filesystem::path RuntimeFolder();

/// A fresh empty folder for one test, removed when the object goes.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& name = "kestrin-test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/*
Description:
  Makes a folder look like an installation of the module: a copy of the module file and links to
  the shared libraries (and the translator's worker) that it loads from beside itself.
Parameters:
  folder     - [in] the folder, which must exist.
  bMenuFile  - [in] also copy the menu file Kestrin.mnu.
Returns:
  The path of the copied module file.
Remarks:
  The help file is not copied: tests put their own there (or none).
*/
std::filesystem::path InstallModuleInto(const std::filesystem::path& folder, bool bMenuFile);

/// The module file loaded with LoadLibraryW; FreeLibrary when the object goes.
class LoadedModuleFile {
public:
    explicit LoadedModuleFile(const std::filesystem::path& path = BuiltModulePath());
    ~LoadedModuleFile();
    LoadedModuleFile(const LoadedModuleFile&) = delete;
    LoadedModuleFile& operator=(const LoadedModuleFile&) = delete;

    HMODULE Handle() const { return m_hModule; }

    /// odrxCreateModuleObject with the caller's handle variable.
    OdRxModule* CreateModuleObject(HINSTANCE& hInstance) const;

    /// odrxGetAPIVersion.
    void GetApiVersion(int* pMajor, int* pMinor, int* pBuild, int* pRevision) const;

private:
    HMODULE m_hModule;
};

/// A module file loaded, its module object created and started; stop and delete when it goes.
class StartedModule {
public:
    explicit StartedModule(const std::filesystem::path& path = BuiltModulePath());
    ~StartedModule();
    StartedModule(const StartedModule&) = delete;
    StartedModule& operator=(const StartedModule&) = delete;

    const LoadedModuleFile& File() const { return m_file; }
    OdRxModule* Module() const { return m_pModule; }

private:
    LoadedModuleFile m_file;
    OdRxModule* m_pModule;
};

/// The global names of the commands in the host's command stack, in order.
std::vector<std::wstring> CommandNames();

/// The command line of one drawing: what commands write on it, one entry per putString.
class CommandLine {
public:
    CommandLine();
    OdDbUserIO* UserIO() const { return m_pUserIO.get(); }
    const std::vector<std::wstring>& Output() const { return *m_pOutput; }

private:
    std::shared_ptr<std::vector<std::wstring>> m_pOutput;
    OdDbUserIOPtr m_pUserIO;
};

/// A drawing open in the host: a new database, its command line and the command context.
struct OpenDrawing {
    OdDbDatabasePtr pDatabase = OdDbDatabase::createObject();
    CommandLine commandLine;
    OdDbCommandContextPtr pContext = odDbCreateCommandContext(pDatabase, commandLine.UserIO());
};

/// Runs a command from the host's command stack by name; the command must be there.
void RunCommand(const std::wstring& name, OdEdCommandContext* pContext);

/// A scripted user installed for the lifetime of the object.
class ScriptedUser {
public:
    ScriptedUser();
    ~ScriptedUser();
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    KestrinHost::ScriptedUi& Ui() { return m_ui; }
    std::vector<KestrinHost::TranscriptEntry> Shown(KestrinHost::ShownKind kind) const {
        return m_ui.GetTranscript().OfKind(kind);
    }

private:
    KestrinHost::ScriptedUi m_ui;
    KestrinUi::UserInterface* m_pPrevious;
};

/// UTF-8 text of a wide string, for test messages.
std::string Narrow(const std::wstring& text);

/// Wide text of UTF-8 (file names), independent of the process locale.
std::wstring Wide(const std::string& text);

} // namespace module_test
