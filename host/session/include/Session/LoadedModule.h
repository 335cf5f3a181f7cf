// Kestrin host program: a module file loaded into the host and started. Loading goes through
// the window system's loader (which runs the module's DLL start-up), checks the toolkit
// interface version the module was built for, creates the module object and starts it; the
// object's end undoes all of it in reverse: stop, delete module, unload.
#pragma once

#include "RxModule.h"

#include <windef.h>

#include <memory>
#include <string>

namespace KestrinApp {

/// The toolkit interface version this host offers, which a module must report.
struct ToolkitApiVersion {
    int major;
    int minor;
    int build;
    int revision;

    bool operator==(const ToolkitApiVersion& other) const {
        return major == other.major && minor == other.minor && build == other.build &&
               revision == other.revision;
    }
    std::wstring ToText() const;
};

constexpr ToolkitApiVersion kHostApiVersion = {2, 5, 1, 0};

/// The module's exports, as the host looks them up by name.
using GetApiVersionFunction = void (*)(int& major, int& minor, int& build, int& revision);
using CreateModuleObjectFunction = OdRxModule* (*)(HINSTANCE& hModule);

/// Why a module file did not load.
enum class ModuleLoadStatus : std::uint8_t {
    Ok = 0,
    FileMissing,    // no file at the path
    NotLoadable,    // the loader refused it (not a shared object, missing libraries, start-up)
    NotAModule,     // one of the two exports is missing
    WrongVersion,   // built for another toolkit interface
    NoModuleObject, // odrxCreateModuleObject returned null
    StartFailed,    // the module's start raised an exception
};

class LoadedModule {
public:
    /*
    Description:
      Loads and starts a module file.
    Parameters:
      path   - [in] the module file.
      status - [out] Ok, or why the module is not loaded.
      reason - [out] on failure, a sentence for the user naming the file and the cause.
    Returns:
      The started module, or null; on failure everything done so far is undone.
    Remarks:
      While the module starts, the command stack records it as the module of the commands it
      adds.
    */
    static std::unique_ptr<LoadedModule> Load(const std::wstring& path, ModuleLoadStatus* status,
                                              std::wstring* reason);

    /// Stops the module, deletes the module object and unloads the file.
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    OdRxModule* Module() const { return m_pModule; }
    const std::wstring& Path() const { return m_path; }

private:
    LoadedModule(std::wstring path, HMODULE hLibrary, OdRxModule* pModule)
        : m_path(std::move(path)), m_hLibrary(hLibrary), m_pModule(pModule) {}

    std::wstring m_path;
    HMODULE m_hLibrary;    // from LoadLibraryW; freed last
    OdRxModule* m_pModule; // started; stopped and deleted before the library goes
};

} // namespace KestrinApp
