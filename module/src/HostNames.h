// Kestrin module.
// The host name table: the name of each host release the module knows, indexed by the host
// version index that GetHostVersion() returns. Built when the module file is loaded (right after
// the application object, see ModuleObjects.cpp) and destroyed when it is unloaded.
#pragma once

#include <afxstr.h>

/// The host version indexes; kHostVersionUnknown stands for every other release.
constexpr int kHostVersionUnknown = 0;
constexpr int kHostVersionBricscad8 = 1;
constexpr int kHostVersionBricscad9 = 2;
constexpr int kHostVersionBricscad10 = 3;
constexpr int kHostVersionCount = 4;

/// The host names, indexed by host version index.
extern const CString g_hostNames[kHostVersionCount];
