// Kestrin Windows stand-in: instance handles of loaded objects. An object's handle is its load
// address as dladdr reports it (dli_fbase); the program's is found through its program headers
// (AT_PHDR), which lie in its first mapped segment.
#include "LoadedObjects.h"

#include "libloaderapi.h"

#include <dlfcn.h>
#include <sys/auxv.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace KestrinWin32 {

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

std::string ProgramPath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::string CurrentFolder() {
    std::vector<char> buffer(PATH_MAX);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (buffer.size() > (1u << 20)) { // no sane folder is longer; give up
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

void SetError(DWORD code) {
    t_lastError = code;
}

HMODULE ObjectOfAddress(const void* addr) {
    Dl_info info{};
    if (!addr || dladdr(addr, &info) == 0) {
        return nullptr;
    }
    return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE ProgramObject() {
    return ObjectOfAddress(reinterpret_cast<const void*>(getauxval(AT_PHDR)));
}

std::string ObjectPath(HMODULE hModule) {
    if (!hModule || hModule == ProgramObject()) {
        return ProgramPath();
    }
    Dl_info info{};
    if (dladdr(hModule, &info) == 0 || info.dli_fbase != hModule || !info.dli_fname ||
        !*info.dli_fname) {
        return std::string();
    }
    std::string path = info.dli_fname;
    if (path.front() != '/') {
        path = CurrentFolder() + "/" + path;
    }
    return path;
}

void* OwnSymbol(HMODULE hModule, const char* name) {
    const bool bProgram = !hModule || hModule == ProgramObject();
    void* handle = nullptr;
    if (bProgram) {
        hModule = ProgramObject();
        handle = dlopen(nullptr, RTLD_LAZY);
    } else {
        const std::string path = ObjectPath(hModule);
        handle = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    }
    if (!handle) {
        return nullptr;
    }
    void* symbol = dlsym(handle, name);
    dlclose(handle);
    // dlsym also searches the object's dependencies; only the object's own export counts.
    return ObjectOfAddress(symbol) == hModule ? symbol : nullptr;
}

} // namespace KestrinWin32

DWORD WINAPI GetLastError() {
    return KestrinWin32::t_lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
    KestrinWin32::t_lastError = dwErrCode;
}
