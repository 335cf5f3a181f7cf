// Kestrin Windows stand-in, private: what the dynamic linker knows about loaded objects, in the
// terms of instance handles (the load address of an object, as dladdr reports it).
#pragma once

#include "windef.h"

#include <string>

namespace KestrinWin32 {

/// The handle of the object that holds addr; null when addr lies in no loaded object.
HMODULE ObjectOfAddress(const void* addr);

/// The handle of the program itself.
HMODULE ProgramObject();

/// The UTF-8 full path of an object's file; empty when hModule is no loaded object.
std::string ObjectPath(HMODULE hModule);

/// The address of a symbol that the object itself exports; null when it exports none of that name.
void* OwnSymbol(HMODULE hModule, const char* name);

/// The current folder, UTF-8; empty when it cannot be read.
std::string CurrentFolder();

/// Sets the calling thread's last error code.
void SetError(DWORD code);

} // namespace KestrinWin32
