// Kestrin MFC stand-in.
// The framework's core: strings, module states, the application and thread objects, windows,
// message maps, dialogs with data exchange, and message boxes. Include this one header, as on the
// target; the file dialogs are in afxdlgs.h.
#pragma once

#include "windows.h"

#include "afx.h"
#include "afxdd.h"
#include "afxdialog.h"
#include "afxmsgbox.h"
#include "afxmsgmap.h"
#include "afxstate.h"
#include "afxstr.h"
#include "afxthread.h"
#include "afxwnd.h"
