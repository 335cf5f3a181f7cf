// Kestrin toolkit tests: the two Windows API names that RxDynamicModule.h uses, so that the
// module wrapper is tested on its own, apart from the Windows stand-in. The test defines
// GetModuleFileNameW and records what it was asked for.
#pragma once

typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef unsigned long DWORD;

DWORD GetModuleFileNameW(HMODULE hModule, wchar_t* pFileName, DWORD size);
