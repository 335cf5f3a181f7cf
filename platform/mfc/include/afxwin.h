// Kestrin MFC stand-in.
// The framework's core: strings, the application and its module state, windows and dialogs,
// message maps, data exchange and message boxes. Include this one header, as on the target.
#pragma once

#include "afx.h"
#include "afxstr.h"
#include "windows.h"

#include "afxmsgbox.h"
