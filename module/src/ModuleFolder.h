// Kestrin module.
// The folder that holds the module file, where its menu and help files lie. It is found from the
// module's own instance handle, so the files are found wherever the module was installed.
#pragma once

#include <windows.h>

/*
Description:
  Splits the module file's full path into its drive and folder.
Parameters:
  hInstance - [in] the module's instance handle.
  drive     - [out] _MAX_DRIVE characters: the drive (empty where there are no drive letters).
  dir       - [out] _MAX_DIR characters: the folder with its trailing separator.
*/
void GetModuleFolder(HINSTANCE hInstance, wchar_t (&drive)[_MAX_DRIVE], wchar_t (&dir)[_MAX_DIR]);
