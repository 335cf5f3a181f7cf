// Kestrin Windows API stand-in.
// The umbrella header of the Windows API subset that the module and the MFC stand-in use.
#pragma once

#include "windef.h"
#include "libloaderapi.h"
#include "wincrt.h"
#include "winuser.h"
