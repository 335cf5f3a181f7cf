// A small shared object for the loader tests. Its DllMain appends each call to the file that
// $KESTRIN_TEST_DLLMAIN_LOG names ("attach" / "detach" lines, which outlive the object), and
// fails the attach when $KESTRIN_TEST_FAIL_ATTACH is set.
#include "windows.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Log(const char* event) {
    const char* path = std::getenv("KESTRIN_TEST_DLLMAIN_LOG");
    if (!path) {
        return;
    }
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", event);
        std::fclose(file);
    }
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE /*hInstance*/, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        Log("attach");
        return std::getenv("KESTRIN_TEST_FAIL_ATTACH") ? FALSE : TRUE;
    }
    if (dwReason == DLL_PROCESS_DETACH) {
        Log("detach");
    }
    return TRUE;
}

// The instance handle as the object finds it from one of its own addresses.
extern "C" HMODULE TestLibraryOwnHandle() {
    HMODULE hModule = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                         reinterpret_cast<LPCWSTR>(&TestLibraryOwnHandle), &hModule);
    return hModule;
}
