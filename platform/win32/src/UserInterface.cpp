// Kestrin Windows stand-in: the installed user interface, and the default one used when the host
// installed none.
#include "KestrinUi/UserInterface.h"

#include <KestrinPosix/FileNameText.h>

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
        const std::string line = kposix::ToUtf8(caption + L": " + text);
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

UserInterface& CurrentUserInterface() {
    return g_installed ? *g_installed : DefaultUserInterface();
}

UserInterface& DefaultUserInterface() {
    static HeadlessUserInterface s_headless;
    return s_headless;
}

} // namespace KestrinUi
