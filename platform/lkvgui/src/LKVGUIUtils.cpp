// Larkvane GUI library stand-in: the about box, handed to the installed user interface.
#include "LKVGUIUtils.h"

#include <KestrinUi/UserInterface.h>

namespace LKVGUIUtils {

void About(const CString& strTitle, HWND hParent) {
    KestrinUi::AboutRequest request{};
    request.owner = hParent;
    request.title = strTitle.GetString();
    KestrinUi::CurrentUserInterface().ShowAbout(request);
}

} // namespace LKVGUIUtils
