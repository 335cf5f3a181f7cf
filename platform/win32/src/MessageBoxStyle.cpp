// Kestrin Windows stand-in: the message box rules every user interface shares.
#include "KestrinUi/MessageBoxStyle.h"

#include "winuser.h"

#include <algorithm>

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

namespace {

struct NamedButton {
    int button;
    const wchar_t* name;
};

constexpr NamedButton kButtonNames[] = {
    {IDOK, L"OK"},       {IDCANCEL, L"Cancel"},      {IDABORT, L"Abort"},
    {IDRETRY, L"Retry"}, {IDIGNORE, L"Ignore"},      {IDYES, L"Yes"},
    {IDNO, L"No"},       {IDTRYAGAIN, L"Try Again"}, {IDCONTINUE, L"Continue"},
};

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

} // namespace

const wchar_t* MessageBoxButtonName(int button) {
    for (const NamedButton& named : kButtonNames) {
        if (named.button == button) {
            return named.name;
        }
    }
    return L"?";
}

int MessageBoxButtonNamed(std::wstring_view name) {
    for (const NamedButton& named : kButtonNames) {
        const std::wstring_view candidate(named.name);
        if (candidate.size() == name.size() &&
            std::equal(candidate.begin(), candidate.end(), name.begin(),
                       [](wchar_t a, wchar_t b) { return AsciiUpper(a) == AsciiUpper(b); })) {
            return named.button;
        }
    }
    return 0;
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
