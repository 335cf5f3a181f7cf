// Kestrin host program: loading, starting, stopping and unloading a module file. An exception
// from the module's stop or delete is reported on standard error and unloading goes on, since
// the host is ending either way.
#include "Session/LoadedModule.h"

#include "Session/FailureReport.h"
#include "Session/WideText.h"

#include "Ed/EdCommandStack.h"

#include <libloaderapi.h>

#include <exception>
#include <filesystem>
#include <fmt/core.h>
#include <optional>
#include <vector>

namespace KestrinApp {

namespace {

std::wstring ExceptionText() {
    try {
        throw;
    } catch (const OdError& error) {
        return error.description().c_str();
    } catch (const std::exception& error) {
        return FromUtf8(error.what());
    } catch (...) {
        return L"an unknown exception";
    }
}

// An exported function as its real type; null when the module does not export the name.
template <class Function> Function ExportOf(HMODULE hLibrary, const char* name) {
    // Through the generic function pointer type, which converts to every other one.
    using AnyFunction = void (*)();
    return reinterpret_cast<Function>(
        reinterpret_cast<AnyFunction>(::GetProcAddress(hLibrary, name)));
}

// Starts the module with the command stack recording it as the commands' module.
void StartModule(OdRxModule* pModule) {
    OdEdCommandStackPtr pStack = odedRegCmds();
    pStack->setCurrentModule(pModule);
    try {
        pModule->initApp();
    } catch (...) {
        pStack->setCurrentModule(nullptr);
        throw;
    }
    pStack->setCurrentModule(nullptr);
}

// Removes the commands a module left in the command stack after its stop: they live inside the
// module object, and the stack must not point into it once the object is deleted.
void RemoveCommandsOf(OdRxModule* pModule) {
    OdEdCommandStackPtr pStack = odedRegCmds();
    std::vector<OdEdCommandPtr> left;
    for (OdRxIteratorPtr pIt = pStack->newIterator(); !pIt->done(); pIt->next()) {
        OdEdCommandPtr pCommand = pIt->object();
        if (pCommand->module() == pModule) {
            left.push_back(pCommand);
        }
    }
    for (const OdEdCommandPtr& pCommand : left) {
        ReportFailure(fmt::format("the module left its command {} registered; removed",
                                  odStringToUtf8(pCommand->globalName())));
        pStack->removeCmd(pCommand->groupName(), pCommand->globalName());
    }
}

// Stops and deletes a module object; failures are reported, and the commands it left removed.
void StopAndDelete(OdRxModule* pModule) {
    try {
        pModule->uninitApp();
    } catch (...) {
        ReportFailure(fmt::format("the module's stop failed: {}", ToUtf8(ExceptionText())));
    }
    RemoveCommandsOf(pModule);
    try {
        pModule->deleteModule();
    } catch (...) {
        ReportFailure(
            fmt::format("deleting the module object failed: {}", ToUtf8(ExceptionText())));
    }
}

} // namespace

std::wstring ToolkitApiVersion::ToText() const {
    return std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(build) +
           L"." + std::to_wstring(revision);
}

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::wstring& path, ModuleLoadStatus* status,
                                                 std::wstring* reason) {
    auto fail = [status, reason](ModuleLoadStatus why, const std::wstring& text) {
        *status = why;
        *reason = text;
        return nullptr;
    };
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(ToUtf8(path)), error)) {
        return fail(ModuleLoadStatus::FileMissing, L"The module file " + path + L" was not found.");
    }
    HMODULE hLibrary = ::LoadLibraryW(path.c_str());
    if (!hLibrary) {
        return fail(ModuleLoadStatus::NotLoadable, L"The module file " + path + L" did not load: " +
                                                       KestrinWin32::LastLoaderMessage());
    }
    const auto getVersion = ExportOf<GetApiVersionFunction>(hLibrary, "odrxGetAPIVersion");
    const auto createModule =
        ExportOf<CreateModuleObjectFunction>(hLibrary, "odrxCreateModuleObject");
    if (!getVersion || !createModule) {
        ::FreeLibrary(hLibrary);
        return fail(ModuleLoadStatus::NotAModule,
                    path + L" is not a module: it does not export " +
                        (getVersion ? L"odrxCreateModuleObject." : L"odrxGetAPIVersion."));
    }
    ToolkitApiVersion version = {-1, -1, -1, -1};
    getVersion(version.major, version.minor, version.build, version.revision);
    if (!(version == kHostApiVersion)) {
        ::FreeLibrary(hLibrary);
        return fail(ModuleLoadStatus::WrongVersion,
                    L"The module " + path + L" is built for toolkit interface " + version.ToText() +
                        L"; this host offers " + kHostApiVersion.ToText() + L".");
    }
    HINSTANCE hInstance = hLibrary; // the module takes the handle over and clears the variable
    OdRxModule* pModule = createModule(hInstance);
    if (!pModule) {
        ::FreeLibrary(hLibrary);
        return fail(ModuleLoadStatus::NoModuleObject,
                    L"The module " + path + L" made no module object.");
    }
    // The exception is finished with before the library goes: its destructor may be code of
    // the module's own.
    std::optional<std::wstring> startFailure;
    try {
        StartModule(pModule);
    } catch (...) {
        startFailure = ExceptionText();
    }
    if (startFailure) {
        StopAndDelete(pModule); // takes out whatever the failed start added
        ::FreeLibrary(hLibrary);
        return fail(ModuleLoadStatus::StartFailed,
                    L"The module " + path + L" failed to start: " + *startFailure);
    }
    *status = ModuleLoadStatus::Ok;
    reason->clear();
    return std::unique_ptr<LoadedModule>(new LoadedModule(path, hLibrary, pModule));
}

LoadedModule::~LoadedModule() {
    StopAndDelete(m_pModule);
    ::FreeLibrary(m_hLibrary);
}

} // namespace KestrinApp
