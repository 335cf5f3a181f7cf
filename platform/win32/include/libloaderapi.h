// Kestrin Windows stand-in.
// The module loader over the dynamic linker, with the target's rules: an HMODULE (= HINSTANCE) is
// the load address of a shared object; LoadLibraryW calls the object's exported
// DllMain(HINSTANCE, DWORD, LPVOID) with DLL_PROCESS_ATTACH after the first load and FreeLibrary
// calls it with DLL_PROCESS_DETACH before the last unload; GetProcAddress finds only the object's
// own exports. Resources are the object's compiled-in resource table (KestrinUi/ResourceTable.h).
#pragma once

#include "windef.h"

#include <string>

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// GetLastError codes that the loader sets.
#define ERROR_SUCCESS 0u
#define ERROR_INVALID_HANDLE 6u
#define ERROR_INSUFFICIENT_BUFFER 122u
#define ERROR_MOD_NOT_FOUND 126u
#define ERROR_PROC_NOT_FOUND 127u
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813u
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814u
#define ERROR_DLL_INIT_FAILED 1114u

// GetModuleHandleExW flags.
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002u
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004u

// Resource names and types are small integers passed as pointers, as on the target.
#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)

/// The calling thread's last error code, as the loader and the module calls set it.
DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD dwErrCode);

/* Description:
     Loads a shared object and, on its first load, calls its DllMain with DLL_PROCESS_ATTACH.
   Parameters:
     lpLibFileName - [in] the file; a name with a '/' is made absolute against the current folder,
                     a bare name is searched as the dynamic linker searches.
   Returns:
     Its instance handle; null when it does not load (ERROR_MOD_NOT_FOUND) or its DllMain returns
     FALSE or throws (ERROR_DLL_INIT_FAILED; DllMain then gets DLL_PROCESS_DETACH and the object is
     unloaded). KestrinWin32::LastLoaderMessage() says why.
   Remarks:
     Loading an object that is loaded already counts one more reference and calls nothing.
*/
HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName);

/* Description:
     Drops one reference of LoadLibraryW; the last one calls DllMain with DLL_PROCESS_DETACH, then
     unloads the object.
   Returns:
     FALSE (ERROR_INVALID_HANDLE) when hLibModule was not loaded with LoadLibraryW.
*/
BOOL WINAPI FreeLibrary(HMODULE hLibModule);

/* Description:
     Finds an exported function or variable of a loaded object.
   Returns:
     Its address; null when the object does not export the name itself (ERROR_PROC_NOT_FOUND) or
     hModule is no loaded object (ERROR_INVALID_HANDLE). A null hModule means the program.
*/
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);

/* Description:
     The handle of an object that is loaded already.
   Parameters:
     lpModuleName - [in] null for the program itself; otherwise the object's full path or its file
                    name ("libwin32.so").
   Returns:
     The handle, or null when no loaded object has that name (ERROR_MOD_NOT_FOUND).
*/
HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName);

/* Description:
     The handle of a loaded object, by name (as GetModuleHandleW) or, with
     GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, by an address inside it (lpModuleName is then that
     address).
   Returns:
     TRUE and *phModule set, or FALSE and *phModule null. No reference is counted either way.
*/
BOOL WINAPI GetModuleHandleExW(DWORD dwFlags, LPCWSTR lpModuleName, HMODULE* phModule);

/* Description:
     The full path of a loaded object's file.
   Parameters:
     hModule  - [in] the object's handle; null for the program itself.
     lpFilename - [out] receives the path (UTF-8 file names decoded) and a terminator.
     nSize    - [in] size of lpFilename in characters.
   Returns:
     The length copied, without the terminator; 0 when hModule is no loaded object
     (ERROR_MOD_NOT_FOUND). A path that does not fit is cut to nSize - 1 characters and the
     result is nSize (ERROR_INSUFFICIENT_BUFFER), as on the target.
*/
DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

/* Description:
     Finds a resource in a loaded object's resource table.
   Parameters:
     hModule - [in] the object; null for the program.
     lpName  - [in] MAKEINTRESOURCEW(id); resources are named by number only here.
     lpType  - [in] RT_DIALOG, ...
   Returns:
     The resource, or null when the object has no resource table or no such resource
     (ERROR_RESOURCE_NAME_NOT_FOUND).
*/
HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);

/// The resource's data handle; null when hResInfo is null.
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);

/// The resource's data (for RT_DIALOG a const KestrinUi::DialogTemplate*); null for null.
LPVOID WINAPI LockResource(HGLOBAL hResData);

namespace KestrinWin32 {

/// Why the last LoadLibraryW of this thread failed (the dynamic linker's text); empty after
/// success.
std::wstring LastLoaderMessage();

} // namespace KestrinWin32
