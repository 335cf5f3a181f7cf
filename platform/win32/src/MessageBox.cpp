// Kestrin Windows stand-in: MessageBoxW, which hands the box to the installed user interface and
// holds it to the box's own buttons.
#include "winuser.h"

#include "KestrinUi/UserInterface.h"

#include <algorithm>

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    const KestrinUi::MessageBoxRequest request{hWnd, lpText ? lpText : L"",
                                               lpCaption ? lpCaption : L"Error", uType};
    const int answer = KestrinUi::CurrentUserInterface().ShowMessageBox(request);
    const std::vector<int> buttons = KestrinUi::MessageBoxButtons(uType);
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
        return KestrinUi::DecliningAnswer(uType);
    }
    return answer;
}
