// Kestrin Windows API stand-in: the UI interface.
// Reading the MB_* bits of a message box type.
#include <KestrinUi/MessageBoxStyle.h>
#include <winuser.h>

namespace KestrinUi {

std::vector<int> ButtonsOf(UINT type) {
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
    default:
        return {IDOK};
    }
}

int DefaultButtonOf(UINT type) {
    const std::vector<int> buttons = ButtonsOf(type);
    const size_t index = (type & MB_DEFMASK) / MB_DEFBUTTON2;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int EscapeAnswerOf(UINT type) {
    const std::vector<int> buttons = ButtonsOf(type);
    for (const int button : buttons) {
        if (button == IDCANCEL) {
            return IDCANCEL;
        }
    }
    if (buttons.size() == 1) {
        return buttons.front();
    }
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : 0;
}

const wchar_t* ButtonText(int answer) {
    switch (answer) {
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

std::wstring DescribeMessageBoxType(UINT type) {
    static const wchar_t* const kButtonNames[] = {
        L"MB_OK",    L"MB_OKCANCEL",      L"MB_ABORTRETRYIGNORE", L"MB_YESNOCANCEL",
        L"MB_YESNO", L"MB_RETRYCANCEL"};
    static const wchar_t* const kIconNames[] = {L"", L"MB_ICONERROR", L"MB_ICONQUESTION",
                                                L"MB_ICONWARNING", L"MB_ICONINFORMATION"};
    constexpr UINT kIconShift = 4;
    constexpr UINT kDefShift = 8;
    std::wstring text;
    const UINT icon = (type & MB_ICONMASK) >> kIconShift;
    if (icon > 0 && icon < sizeof(kIconNames) / sizeof(kIconNames[0])) {
        text += kIconNames[icon];
        text += L'|';
    }
    const UINT def = (type & MB_DEFMASK) >> kDefShift;
    if (def > 0) {
        text += L"MB_DEFBUTTON" + std::to_wstring(def + 1) + L'|';
    }
    const UINT buttons = type & MB_TYPEMASK;
    text += buttons < sizeof(kButtonNames) / sizeof(kButtonNames[0])
                ? std::wstring(kButtonNames[buttons])
                : L"MB_TYPE" + std::to_wstring(buttons);
    return text;
}

} // namespace KestrinUi
