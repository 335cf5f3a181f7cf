// Kestrin Windows stand-in: LoadLibraryW, FreeLibrary, GetProcAddress and the module handle
// queries. The loader keeps one dynamic-linker reference per object it loaded and counts
// LoadLibraryW calls itself, so that DllMain sees exactly one attach and one detach, as on the
// target. Used from the host's loading thread.
#include "libloaderapi.h"

#include "LoadedObjects.h"
#include <KestrinPosix/FileNameText.h>

#include <dlfcn.h>
#include <link.h>

#include <cwchar>
#include <map>
#include <string>

namespace {

typedef BOOL(WINAPI* DllMainFunction)(HINSTANCE, DWORD, LPVOID);

struct LoadedModule {
    void* handle;   // the dynamic linker's handle, held once
    int references; // LoadLibraryW calls not yet matched by FreeLibrary, >= 1
};

std::map<HMODULE, LoadedModule>& Loaded() {
    static std::map<HMODULE, LoadedModule> s_loaded;
    return s_loaded;
}

thread_local std::wstring t_loaderMessage;

HMODULE HandleOfDlHandle(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) {
        return nullptr;
    }
    return KestrinWin32::ObjectOfAddress(map->l_ld);
}

// Calls the object's own DllMain, if it exports one. A DllMain that throws has failed.
BOOL CallDllMain(HMODULE hModule, DWORD reason) {
    void* symbol = KestrinWin32::OwnSymbol(hModule, "DllMain");
    if (!symbol) {
        return TRUE;
    }
    const auto dllMain = reinterpret_cast<DllMainFunction>(symbol);
    try {
        return dllMain(hModule, reason, nullptr);
    } catch (...) {
        return FALSE;
    }
}

std::string PathToOpen(LPCWSTR lpLibFileName) {
    std::string path = kposix::ToUtf8(lpLibFileName);
    if (path.find('/') != std::string::npos && path.front() != '/') {
        // Kept absolute, so that GetModuleFileNameW reports the full path after a chdir.
        path = KestrinWin32::CurrentFolder() + "/" + path;
    }
    return path;
}

} // namespace

namespace KestrinWin32 {

std::wstring LastLoaderMessage() {
    return t_loaderMessage;
}

} // namespace KestrinWin32

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
    t_loaderMessage.clear();
    if (!lpLibFileName || !*lpLibFileName) {
        KestrinWin32::SetError(ERROR_MOD_NOT_FOUND);
        t_loaderMessage = L"no file name";
        return nullptr;
    }
    void* handle = dlopen(PathToOpen(lpLibFileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        t_loaderMessage = kposix::FromUtf8(reason ? reason : "cannot load");
        KestrinWin32::SetError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    const HMODULE hModule = HandleOfDlHandle(handle);
    auto found = Loaded().find(hModule);
    if (found != Loaded().end()) {
        ++found->second.references;
        dlclose(handle); // the loader holds one reference per object
        return hModule;
    }
    Loaded().emplace(hModule, LoadedModule{handle, 1});
    if (!CallDllMain(hModule, DLL_PROCESS_ATTACH)) {
        CallDllMain(hModule, DLL_PROCESS_DETACH);
        Loaded().erase(hModule);
        dlclose(handle);
        t_loaderMessage = L"the module's initialisation failed";
        KestrinWin32::SetError(ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    KestrinWin32::SetError(ERROR_SUCCESS);
    return hModule;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    auto found = Loaded().find(hLibModule);
    if (found == Loaded().end()) {
        KestrinWin32::SetError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--found->second.references > 0) {
        return TRUE;
    }
    void* handle = found->second.handle;
    CallDllMain(hLibModule, DLL_PROCESS_DETACH); // an unload cannot fail; its result is not used
    Loaded().erase(found);
    dlclose(handle);
    return TRUE;
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (hModule && KestrinWin32::ObjectPath(hModule).empty()) {
        KestrinWin32::SetError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = lpProcName ? KestrinWin32::OwnSymbol(hModule, lpProcName) : nullptr;
    if (!symbol) {
        KestrinWin32::SetError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

namespace {

struct NameSearch {
    std::string name; // full path or file name, UTF-8
    HMODULE found = nullptr;
};

int MatchObject(dl_phdr_info* info, std::size_t /*size*/, void* data) {
    auto* search = static_cast<NameSearch*>(data);
    if (!info->dlpi_name || !*info->dlpi_name) {
        return 0;
    }
    const std::string path = info->dlpi_name;
    const std::size_t slash = path.rfind('/');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    if (path != search->name && fileName != search->name) {
        return 0;
    }
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type == PT_LOAD) {
            search->found = KestrinWin32::ObjectOfAddress(
                reinterpret_cast<const void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr));
            return 1;
        }
    }
    return 0;
}

} // namespace

HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
    if (!lpModuleName) {
        return KestrinWin32::ProgramObject();
    }
    NameSearch search{kposix::ToUtf8(lpModuleName)};
    dl_iterate_phdr(MatchObject, &search);
    if (!search.found) {
        KestrinWin32::SetError(ERROR_MOD_NOT_FOUND);
    }
    return search.found;
}

BOOL WINAPI GetModuleHandleExW(DWORD dwFlags, LPCWSTR lpModuleName, HMODULE* phModule) {
    if (!phModule) {
        return FALSE;
    }
    *phModule = (dwFlags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)
                    ? KestrinWin32::ObjectOfAddress(lpModuleName)
                    : GetModuleHandleW(lpModuleName);
    return *phModule ? TRUE : FALSE;
}

DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    const std::string path = KestrinWin32::ObjectPath(hModule);
    if (path.empty() || !lpFilename || nSize == 0) {
        KestrinWin32::SetError(path.empty() ? ERROR_MOD_NOT_FOUND : ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::wstring wide = kposix::FromUtf8(path);
    if (wide.size() >= nSize) {
        std::wmemcpy(lpFilename, wide.c_str(), nSize - 1);
        lpFilename[nSize - 1] = L'\0';
        KestrinWin32::SetError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::wmemcpy(lpFilename, wide.c_str(), wide.size() + 1);
    KestrinWin32::SetError(ERROR_SUCCESS);
    return static_cast<DWORD>(wide.size());
}
