// Kestrin module.
// CKestrinApp: the module's application object, through which the framework starts up and shuts
// down for the module file. There is exactly one, theApp, made when the module file is loaded.
#pragma once

#include <afxwin.h>

/*
Description:
  The module's application object.
Remarks:
  Made with no application name; the framework's start-up for the module file calls
  InitInstance(), and its shut-down runs CWinApp's ExitInstance().
*/
class CKestrinApp : public CWinApp {
public:
    CKestrinApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

/// The application object.
extern CKestrinApp theApp;
