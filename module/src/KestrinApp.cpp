// Kestrin module.
// The application object's start-up. It has no state of its own and routes no messages.
#include "KestrinApp.h"

BEGIN_MESSAGE_MAP(CKestrinApp, CWinApp)
END_MESSAGE_MAP()

CKestrinApp::CKestrinApp() : CWinApp(nullptr) {}

BOOL CKestrinApp::InitInstance() {
    CWinApp::InitInstance();
    return TRUE;
}
