// Kestrin Windows stand-in.
// The one header a module includes for the Windows API and the target run-time's wide functions.
#pragma once

#include "commdlg.h"
#include "libloaderapi.h"
#include "shellapi.h"
#include "stringapiset.h"
#include "wcrt.h"
#include "windef.h"
#include "winuser.h"
