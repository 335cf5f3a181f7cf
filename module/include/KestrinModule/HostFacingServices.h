// Kestrin module.
// The small services that face the host and the user rather than the drawing: the release of the
// host that runs the module, the product title built from it, the module's pull-down menu, the
// help file and the about box. The product title is module-wide and rebuilt before every use, so
// it always names the host's current release; everything here runs on the host's command thread.
#pragma once

#include <windows.h>

/// Size of the product title buffer in wide characters, terminator included.
constexpr int kProductTitleSize = 256;

/*
Description:
  The product title: "Kestrin for <host name> version <major>.<minor>", all zero until
  BuildProductTitle() first runs.
Remarks:
  The caption of every message box of the module and the title of its about box. Not guarded:
  only the host's command thread touches it.
*/
extern wchar_t g_szProductTitle[kProductTitleSize];

/*
Description:
  Finds out which release of the host is running, from the host system variable "_VERNUM".
Returns:
  The host version index: 1 for release 8, 2 for 9, 3 for 10, and 0 for any other release or
  when the variable cannot be read.
Remarks:
  Reads the variable afresh on every call.
*/
int GetHostVersion();

/*
Description:
  Rewrites g_szProductTitle for the host release that runs now.
*/
void BuildProductTitle();

/*
Description:
  Loads the menu file "Kestrin.mnu" that lies beside the module file into the host and inserts
  its pull-down "pop1" into the host's menu bar.
Parameters:
  hInstance - [in] the module's own instance handle.
Remarks:
  Reports nothing: a missing or faulty menu file is the host's to report.
*/
void LoadPluginMenu(HINSTANCE hInstance);

/*
Description:
  Opens the help file Kestrin_Bricscad.chm that lies beside the module file.
Parameters:
  hInstance - [in] the module's own instance handle.
  hParent   - [in] the host's main window; null for none.
Remarks:
  When the file cannot be opened, a warning box "Error displaying help file" owned by hParent
  and captioned with the product title says so.
*/
void ShowHelp(HINSTANCE hInstance, HWND hParent);

/*
Description:
  Shows the about box with the product title.
Parameters:
  hParent - [in] the host's main window; null for none.
*/
void ShowAbout(HWND hParent);
