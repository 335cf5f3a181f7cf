// Kestrin Windows API stand-in.
// Finding the module that an address lies in: how a module finds its own instance handle (from
// the address of one of its own functions or objects) without being told.
#pragma once

#include <windef.h>

#include <string>

namespace KestrinWin32 {

/*
Description:
  The handle of the loaded module (the program or a shared object) whose mapped file holds the
  address.
Returns:
  The handle, null for an address outside every module (the stack, the heap).
*/
HMODULE ModuleContaining(const void* address);

/// The handle of the program itself.
HMODULE ProgramModule();

/*
Description:
  The handle of the loaded module with the given file name (UTF-8).
Parameters:
  name - [in] a full path when it holds a '/', otherwise the last component of the path.
Returns:
  The first module listed by the loader that matches; null when none does.
*/
HMODULE ModuleNamed(const std::string& name);

/*
Description:
  The full path of a loaded module's file (UTF-8 as the file system has it).
Returns:
  false for a handle that names no loaded module; path is then unchanged.
*/
bool ModulePath(HMODULE hModule, std::string* path);

} // namespace KestrinWin32
