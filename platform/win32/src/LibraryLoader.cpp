// Kestrin Windows API stand-in.
// LoadLibraryW, FreeLibrary, GetProcAddress, GetModuleFileNameW and GetModuleHandleW over the
// dynamic loader. The loader keeps its own reference count per module so that DllMain is called
// once when a module comes in and once before it goes, as on the target, however often it is
// loaded.
#include <KestrinWin32/ModuleAddress.h>
#include <KestrinWin32/Utf8.h>
#include <libloaderapi.h>

#include <cwchar>
#include <dlfcn.h>
#include <filesystem>
#include <link.h>
#include <map>

namespace {

struct LoadedLibrary {
    void* dlHandle = nullptr; // the one dlopen reference this loader holds
    int references = 0;       // LoadLibraryW calls not yet matched by FreeLibrary
};

std::map<HMODULE, LoadedLibrary>& Libraries() {
    static std::map<HMODULE, LoadedLibrary> libraries;
    return libraries;
}

HMODULE HandleOf(void* dlHandle) {
    link_map* map = nullptr;
    if (dlinfo(dlHandle, RTLD_DI_LINKMAP, &map) != 0 || !map) {
        return nullptr;
    }
    return KestrinWin32::ModuleContaining(map->l_ld);
}

// The address of name in hModule itself, null when only a dependency defines it.
void* OwnSymbol(void* dlHandle, HMODULE hModule, const char* name) {
    void* address = dlsym(dlHandle, name);
    if (!address || KestrinWin32::ModuleContaining(address) != hModule) {
        return nullptr;
    }
    return address;
}

PDLL_MAIN EntryPointOf(void* dlHandle, HMODULE hModule) {
    return reinterpret_cast<PDLL_MAIN>(OwnSymbol(dlHandle, hModule, "DllMain"));
}

std::string FileArgument(LPCWSTR lpLibFileName) {
    const std::string name = KestrinWin32::ToUtf8(lpLibFileName);
    if (name.find('/') == std::string::npos) {
        return name; // searched by the dynamic loader
    }
    // Kept absolute so that the module's file name stays right when the folder changes.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    return error ? name : absolute.lexically_normal().string();
}

} // namespace

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    void* dlHandle = dlopen(FileArgument(lpLibFileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    const HMODULE hModule = dlHandle ? HandleOf(dlHandle) : nullptr;
    if (!hModule) {
        if (dlHandle) {
            dlclose(dlHandle);
        }
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    auto& libraries = Libraries();
    const auto known = libraries.find(hModule);
    if (known != libraries.end()) {
        dlclose(dlHandle); // the loader's first reference keeps it loaded
        ++known->second.references;
        return hModule;
    }
    libraries[hModule] = LoadedLibrary{dlHandle, 1};
    const PDLL_MAIN entryPoint = EntryPointOf(dlHandle, hModule);
    if (entryPoint && !entryPoint(hModule, DLL_PROCESS_ATTACH, nullptr)) {
        entryPoint(hModule, DLL_PROCESS_DETACH, nullptr);
        Libraries().erase(hModule);
        dlclose(dlHandle);
        SetLastError(ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    return hModule;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    const auto it = Libraries().find(hLibModule);
    if (it == Libraries().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--it->second.references > 0) {
        return TRUE;
    }
    void* dlHandle = it->second.dlHandle;
    const PDLL_MAIN entryPoint = EntryPointOf(dlHandle, hLibModule);
    if (entryPoint) {
        entryPoint(hLibModule, DLL_PROCESS_DETACH, nullptr);
    }
    Libraries().erase(hLibModule);
    dlclose(dlHandle);
    return TRUE;
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    std::string path;
    if (!lpProcName || !KestrinWin32::ModulePath(hModule, &path)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // A reference of our own for the lookup, whether or not LoadLibraryW loaded the module; the
    // program itself is opened by the null name.
    const bool bIsProgram = hModule == GetModuleHandleW(nullptr);
    void* dlHandle = dlopen(bIsProgram ? nullptr : path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!dlHandle) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* address = OwnSymbol(dlHandle, hModule, lpProcName);
    dlclose(dlHandle);
    if (!address) {
        SetLastError(ERROR_PROC_NOT_FOUND);
    }
    return reinterpret_cast<FARPROC>(address);
}

DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    std::string path;
    if (!KestrinWin32::ModulePath(hModule ? hModule : GetModuleHandleW(nullptr), &path)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!lpFilename || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::wstring wide = KestrinWin32::FromUtf8(path);
    if (wide.size() >= nSize) {
        std::wmemcpy(lpFilename, wide.data(), nSize - 1);
        lpFilename[nSize - 1] = L'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::wmemcpy(lpFilename, wide.c_str(), wide.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(wide.size());
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
    if (!lpModuleName) {
        return KestrinWin32::ProgramModule();
    }
    return KestrinWin32::ModuleNamed(KestrinWin32::ToUtf8(lpModuleName));
}
