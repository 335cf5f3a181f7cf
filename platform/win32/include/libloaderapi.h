// Kestrin Windows API stand-in.
// Modules (shared objects) of the process. A module's handle (HMODULE, the same as HINSTANCE) is
// the address at which its file is mapped, so the handle can be found from any address inside
// the module, and the module from its handle. LoadLibraryW and FreeLibrary call the module's
// exported DllMain as the target's loader does.
#pragma once

#include "windef.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

/// The entry point that LoadLibraryW and FreeLibrary call, when a module exports one as
/// extern "C" DllMain.
typedef BOOL(WINAPI* PDLL_MAIN)(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

/*
Description:
  Loads a module (dlopen, local symbols, immediate binding) and runs its DllMain.
Parameters:
  lpLibFileName - [in] path of the shared object; a relative path is taken from the current
                  folder when it holds a separator, otherwise searched as dlopen searches.
Returns:
  The module's handle; null when the file does not load, or when its DllMain returns FALSE for
  DLL_PROCESS_ATTACH (the module is then unloaded again, after DllMain(DLL_PROCESS_DETACH)).
Remarks:
  Loading a module that is loaded already counts one more reference and calls no DllMain.
  GetLastError tells why a load failed (ERROR_MOD_NOT_FOUND, ERROR_DLL_INIT_FAILED).
*/
HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName);

/*
Description:
  Drops one reference taken by LoadLibraryW; the last one calls DllMain(DLL_PROCESS_DETACH) and
  unloads the module.
Returns:
  FALSE for a handle that LoadLibraryW did not give out (or that is freed already).
*/
BOOL WINAPI FreeLibrary(HMODULE hLibModule);

/*
Description:
  Finds an exported function (or variable) of one module.
Returns:
  Its address; null when the module is not loaded or does not itself define the name (names
  defined by the modules it depends on are not its exports).
*/
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);

/*
Description:
  Writes the full path of a loaded module's file.
Parameters:
  hModule    - [in] the module's handle; null for the program itself.
  lpFilename - [out] nSize characters.
  nSize      - [in] size of lpFilename in characters.
Returns:
  The length of the path without the zero. When the buffer is too small the path is cut to
  nSize - 1 characters, terminated, and the result is nSize (GetLastError gives
  ERROR_INSUFFICIENT_BUFFER). 0 for a handle that names no loaded module.
*/
DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

/*
Description:
  The handle of a loaded module.
Parameters:
  lpModuleName - [in] null for the program itself; otherwise the module's file name, matched
                 against the full path or its last component.
Returns:
  The handle, null when no loaded module matches. No reference is taken.
*/
HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName);

#define ERROR_SUCCESS 0u
#define ERROR_FILE_NOT_FOUND 2u
#define ERROR_INVALID_HANDLE 6u
#define ERROR_INSUFFICIENT_BUFFER 122u
#define ERROR_MOD_NOT_FOUND 126u
#define ERROR_PROC_NOT_FOUND 127u
#define ERROR_DLL_INIT_FAILED 1114u
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813u
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814u

/// The error code of the calling thread's last failed call.
DWORD WINAPI GetLastError();

/// Sets the calling thread's last error code.
void WINAPI SetLastError(DWORD dwErrCode);
