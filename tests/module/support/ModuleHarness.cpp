// Kestrin module tests: the harness. The module's exports are found with GetProcAddress, as the
// host finds them; failures to load are test failures that say why.
#include "ModuleHarness.h"

#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace module_test {

namespace {

using CreateModuleObjectFunction = OdRxModule* (*)(HINSTANCE& hModule);
using GetApiVersionFunction = void (*)(int& major, int& minor, int& build, int& revision);

template <class Function> Function ExportOf(HMODULE hModule, const char* name) {
    using AnyFunction = void (*)();
    const auto pFunction =
        reinterpret_cast<Function>(reinterpret_cast<AnyFunction>(::GetProcAddress(hModule, name)));
    if (!pFunction) {
        throw std::runtime_error(std::string("the module file does not export ") + name);
    }
    return pFunction;
}

// The files a module installation needs beside the module file, besides the help file.
bool BelongsBesideModule(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return name.find(".so") != std::string::npos || name == "quarnel-worker";
}

} // namespace

std::filesystem::path BuiltModulePath() {
    return KESTRIN_MODULE_FILE;
}

std::filesystem::path RuntimeFolder() {
    return BuiltModulePath().parent_path();
}

TemporaryFolder::TemporaryFolder(const std::string& name) {
    std::string pattern = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path InstallModuleInto(const std::filesystem::path& folder, bool bMenuFile) {
    for (const auto& entry : std::filesystem::directory_iterator(RuntimeFolder())) {
        if (BelongsBesideModule(entry.path())) {
            std::filesystem::create_symlink(entry.path(), folder / entry.path().filename());
        }
    }
    if (bMenuFile) {
        std::filesystem::copy_file(RuntimeFolder() / "Kestrin.mnu", folder / "Kestrin.mnu");
    }
    const std::filesystem::path modulePath = folder / BuiltModulePath().filename();
    std::filesystem::copy_file(BuiltModulePath(), modulePath);
    return modulePath;
}

LoadedModuleFile::LoadedModuleFile(const std::filesystem::path& path)
    : m_hModule(::LoadLibraryW(Wide(path.string()).c_str())) {
    if (!m_hModule) {
        throw std::runtime_error("the module file " + path.string() +
                                 " did not load: " + Narrow(KestrinWin32::LastLoaderMessage()));
    }
}

LoadedModuleFile::~LoadedModuleFile() {
    ::FreeLibrary(m_hModule);
}

OdRxModule* LoadedModuleFile::CreateModuleObject(HINSTANCE& hInstance) const {
    return ExportOf<CreateModuleObjectFunction>(m_hModule, "odrxCreateModuleObject")(hInstance);
}

void LoadedModuleFile::GetApiVersion(int* pMajor, int* pMinor, int* pBuild, int* pRevision) const {
    ExportOf<GetApiVersionFunction>(m_hModule, "odrxGetAPIVersion")(*pMajor, *pMinor, *pBuild,
                                                                    *pRevision);
}

StartedModule::StartedModule(const std::filesystem::path& path) : m_file(path) {
    HINSTANCE hInstance = m_file.Handle();
    m_pModule = m_file.CreateModuleObject(hInstance);
    // As the host starts a module: the command stack records it as its commands' module.
    OdEdCommandStackPtr pStack = odedRegCmds();
    pStack->setCurrentModule(m_pModule);
    m_pModule->initApp();
    pStack->setCurrentModule(nullptr);
}

StartedModule::~StartedModule() {
    m_pModule->uninitApp();
    m_pModule->deleteModule();
}

std::vector<std::wstring> CommandNames() {
    std::vector<std::wstring> names;
    OdEdCommandStackPtr pStack = odedRegCmds();
    for (OdRxIteratorPtr pIt = pStack->newIterator(); !pIt->done(); pIt->next()) {
        OdEdCommandPtr pCommand = pIt->object();
        names.emplace_back(pCommand->globalName().c_str());
    }
    return names;
}

CommandLine::CommandLine()
    : m_pOutput(std::make_shared<std::vector<std::wstring>>()),
      m_pUserIO(odDbCreateUserIO(
          [pOutput = m_pOutput](const OdString& text) { pOutput->emplace_back(text.c_str()); })) {}

void RunCommand(const std::wstring& name, OdEdCommandContext* pContext) {
    OdEdCommandPtr pCommand = odedRegCmds()->lookupCmd(OdString(name.c_str()));
    if (pCommand.isNull()) {
        throw std::runtime_error("no command " + Narrow(name));
    }
    pCommand->execute(pContext);
}

ScriptedUser::ScriptedUser() : m_pPrevious(KestrinUi::InstallUserInterface(&m_ui)) {}

ScriptedUser::~ScriptedUser() {
    KestrinUi::InstallUserInterface(m_pPrevious);
}

std::string Narrow(const std::wstring& text) {
    return kposix::ToUtf8(text);
}

std::wstring Wide(const std::string& text) {
    return kposix::FromUtf8(text);
}

} // namespace module_test
