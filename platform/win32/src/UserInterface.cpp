// Kestrin Windows stand-in: the installed user interface, the default one used when the host
// installed none, and the message box button rules every interface shares.
#include "KestrinUi/UserInterface.h"

#include "Utf8.h"
#include "winuser.h"

#include <cstdio>

namespace KestrinUi {

namespace {

// Writes what would have been shown to standard error; answers without asking anyone.
class HeadlessUserInterface final : public UserInterface {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override {
        Report(request.caption, request.text);
        return DecliningAnswer(request.type);
    }
    void RunModalDialog(DialogSession& session) override { session.Cancel(); }
    std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& /*request*/) override {
        return std::nullopt;
    }
    void ShowAbout(const AboutRequest& request) override { Report(L"About", request.title); }

private:
    static void Report(const std::wstring& caption, const std::wstring& text) {
        const std::string line = KestrinWin::Utf8FromWide(caption + L": " + text);
        std::fprintf(stderr, "%s\n", line.c_str());
    }
};

UserInterface* g_installed = nullptr; // null: the default; set on the command thread only

} // namespace

UserInterface* InstallUserInterface(UserInterface* ui) {
    UserInterface* previous = g_installed;
    g_installed = ui;
    return previous;
}

UserInterface& CurrentUserInterface() { return g_installed ? *g_installed : DefaultUserInterface(); }

UserInterface& DefaultUserInterface() {
    static HeadlessUserInterface s_headless;
    return s_headless;
}

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

} // namespace KestrinUi
