// Test support for the framework tests: a user interface whose dialog handling is a function the
// test gives, that answers file dialogs with a fixed answer, and that records what it is shown.
#pragma once

#include "KestrinUi/UserInterface.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace KestrinTest {

class FunctionUi final : public KestrinUi::UserInterface {
public:
    std::function<void(KestrinUi::DialogSession&)> onDialog; // none: the dialog is left running
    std::optional<std::wstring> fileAnswer;                  // the file dialog's answer

    std::vector<KestrinUi::MessageBoxRequest> boxes;
    std::vector<KestrinUi::FileDialogRequest> fileRequests;
    std::vector<KestrinUi::AboutRequest> abouts;
    std::vector<KestrinUi::ControlState> controlsShown; // of the last dialog, as first shown
    HWND dialogOwner = nullptr;                         // of the last dialog

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override {
        boxes.push_back(request);
        return KestrinUi::DefaultMessageBoxAnswer(request.type);
    }
    void RunModalDialog(KestrinUi::DialogSession& session) override {
        controlsShown = session.Controls();
        dialogOwner = session.Owner();
        if (onDialog) {
            onDialog(session);
        }
    }
    std::optional<std::wstring>
    ShowFileDialog(const KestrinUi::FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return fileAnswer;
    }
    void ShowAbout(const KestrinUi::AboutRequest& request) override { abouts.push_back(request); }
};

/// The state of control id in a control list; fails the test (and returns a blank) when absent.
inline KestrinUi::ControlState ControlOf(const std::vector<KestrinUi::ControlState>& controls,
                                         int id) {
    for (const KestrinUi::ControlState& control : controls) {
        if (control.id == id) {
            return control;
        }
    }
    ADD_FAILURE() << "no control " << id;
    return KestrinUi::ControlState{};
}

} // namespace KestrinTest
