// Kestrin Windows stand-in.
// The basic Windows types, sized as on the target: DWORD is 32 bits even though unsigned long is
// 64 bits here, handles are distinct pointer types so that one cannot be passed for another, and
// strings are wide (wchar_t is 32 bits on Linux, 16 on the target; nothing here depends on it).
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef int BOOL;
typedef unsigned char BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef int INT;
typedef wchar_t WCHAR;
typedef WCHAR TCHAR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef LPWSTR LPTSTR;
typedef LPCWSTR LPCTSTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::intptr_t LONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef void* HANDLE;

// Each handle kind is a pointer to its own incomplete type, as with STRICT on the target.
#define DECLARE_HANDLE(name)                                                                       \
    struct name##__;                                                                               \
    typedef struct name##__* name
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HRSRC);
DECLARE_HANDLE(HMENU);
typedef HINSTANCE HMODULE; // the same handle: the load address of the module
typedef HANDLE HGLOBAL;

/// Pointer to an exported function, as GetProcAddress returns it; cast to the real type.
typedef INT_PTR(WINAPI* FARPROC)();

#define MAX_PATH 260

#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD>(l) & 0xffffu))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD>(l) >> 16) & 0xffffu))
