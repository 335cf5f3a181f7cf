// Kestrin Windows stand-in: the message box rules every user interface shares.
#include "KestrinUi/MessageBoxStyle.h"

#include "winuser.h"

namespace KestrinUi {

std::vector<int> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
        return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: // MB_OK, and unknown button sets, which the target also shows as OK alone
        return {IDOK};
    }
}

int DefaultMessageBoxAnswer(UINT type) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    const std::size_t index = (type & MB_DEFMASK) >> 8; // MB_DEFBUTTONn is (n - 1) << 8
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int DecliningAnswer(UINT type) {
    for (const int declining : {IDCANCEL, IDNO, IDABORT}) {
        for (const int button : MessageBoxButtons(type)) {
            if (button == declining) {
                return button;
            }
        }
    }
    return IDOK;
}

const wchar_t* MessageBoxButtonName(int button) {
    switch (button) {
    case IDOK:
        return L"OK";
    case IDCANCEL:
        return L"Cancel";
    case IDABORT:
        return L"Abort";
    case IDRETRY:
        return L"Retry";
    case IDIGNORE:
        return L"Ignore";
    case IDYES:
        return L"Yes";
    case IDNO:
        return L"No";
    case IDTRYAGAIN:
        return L"Try Again";
    case IDCONTINUE:
        return L"Continue";
    default:
        return L"?";
    }
}

const wchar_t* IconText(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return L"error";
    case MB_ICONQUESTION:
        return L"question";
    case MB_ICONEXCLAMATION:
        return L"warning";
    case MB_ICONASTERISK:
        return L"information";
    default:
        return L"";
    }
}

} // namespace KestrinUi
