// Kestrin conversion tests: a user interface that records every message box shown while it is
// installed, answers OK, and can be told to fail instead of answering, the way a host's UI could
// fail with an exception of its own.
#pragma once

#include <KestrinUi/UserInterface.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace convert_test {

class MessageBoxRecorder : public KestrinUi::UserInterface {
public:
    MessageBoxRecorder() : m_installed(*this) {}

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override {
        m_texts.push_back(request.text);
        m_types.push_back(request.type);
        if (m_bFail) {
            throw std::runtime_error("the user interface failed");
        }
        return IDOK;
    }
    void RunModalDialog(KestrinUi::DialogSession& session) override { session.Cancel(); }
    std::optional<std::wstring> ShowFileDialog(const KestrinUi::FileDialogRequest&) override {
        return std::nullopt;
    }
    void ShowAbout(const KestrinUi::AboutRequest&) override {}

    // Makes every following message box raise std::runtime_error once recorded.
    void FailFromNowOn() { m_bFail = true; }

    const std::vector<std::wstring>& Texts() const { return m_texts; }
    const std::vector<unsigned int>& Types() const { return m_types; }

private:
    std::vector<std::wstring> m_texts;
    std::vector<unsigned int> m_types;
    bool m_bFail = false;
    KestrinUi::ScopedUserInterface m_installed; // last: installed once the rest exists
};

} // namespace convert_test
