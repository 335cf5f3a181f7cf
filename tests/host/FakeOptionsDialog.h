// Kestrin host tests: a dialog session with the import options dialog's controls and enabling
// rule, standing in for the module's dialog where a test exercises only the host's side (how
// answers and keys become clicks). Positions, styles and texts are those of its template.
#pragma once

#include "KestrinUi/DialogSession.h"

#include <winuser.h>

#include <string>
#include <vector>

namespace host_test {

class FakeOptionsDialog : public KestrinUi::DialogSession {
public:
    // The stored settings the dialog opens with; -1 shows no selection.
    FakeOptionsDialog(int surface, int mesh, bool bWarning)
        : m_surface(surface), m_mesh(mesh), m_bWarning(bWarning) {
        Enable();
    }

    const KestrinUi::DialogTemplate& Template() const override { return m_template; }
    HWND Window() const override { return nullptr; }
    HWND Owner() const override { return nullptr; }

    std::vector<KestrinUi::ControlState> Controls() const override {
        using KestrinUi::ControlKind;
        const std::vector<std::wstring> none;
        constexpr DWORD kGroup = WS_GROUP;
        constexpr DWORD kTab = WS_TABSTOP;
        return {
            {8000,
             ControlKind::RadioButton,
             kGroup,
             L"Mesh",
             {71, 7, 33, 10},
             true,
             m_surface == 0,
             -1,
             none},
            {8001,
             ControlKind::RadioButton,
             0,
             L"Edge curves",
             {70, 55, 56, 10},
             true,
             m_surface == 1,
             -1,
             none},
            {200,
             ControlKind::DropDownList,
             kTab,
             L"",
             {123, 20, 68, 93},
             m_bComboEnabled,
             false,
             m_mesh,
             {L"Polyface Mesh", L"3D Faces", L"Lines", L"Points"}},
            {201,
             ControlKind::CheckBox,
             kTab,
             L"Display polyface mesh limit warning",
             {84, 37, 126, 10},
             m_bCheckEnabled,
             m_bWarning,
             -1,
             none},
            {IDOK,
             ControlKind::DefaultPushButton,
             kTab,
             L"&OK",
             {54, 84, 50, 14},
             true,
             false,
             -1,
             none},
            {IDCANCEL,
             ControlKind::PushButton,
             kTab,
             L"&Cancel",
             {112, 84, 50, 14},
             true,
             false,
             -1,
             none},
            {IDC_STATIC,
             ControlKind::StaticText,
             kGroup,
             L"Mesh type",
             {84, 22, 34, 8},
             true,
             false,
             -1,
             none},
            {IDC_STATIC, ControlKind::EtchedLine, 0, L"", {7, 74, 203, 1}, true, false, -1, none},
            {IDC_STATIC,
             ControlKind::StaticText,
             kGroup,
             L"Import surfaces as",
             {7, 7, 58, 8},
             true,
             false,
             -1,
             none},
        };
    }

    bool Click(int id) override {
        if (IsEnded() || !IsEnabled(id)) {
            return false;
        }
        ++m_clicks;
        if (id == 8000 || id == 8001) {
            m_surface = id - 8000;
        } else if (id == 201) {
            m_bWarning = !m_bWarning;
        } else if (id == IDOK || id == IDCANCEL) {
            m_result = id;
            return true;
        } else {
            return false;
        }
        Enable();
        return true;
    }

    bool SelectComboIndex(int id, int index) override {
        if (IsEnded() || id != 200 || !m_bComboEnabled || index < 0 || index > 3) {
            return false;
        }
        m_mesh = index;
        Enable();
        return true;
    }

    bool Ok() override { return !IsEnded() && (m_result = IDOK) != 0; }
    bool Cancel() override { return !IsEnded() && (m_result = IDCANCEL) != 0; }
    bool IsEnded() const override { return m_result != 0; }
    int Result() const override { return m_result; }

    int m_surface;
    int m_mesh;
    bool m_bWarning;
    int m_clicks = 0;

private:
    bool IsEnabled(int id) const {
        return id == 200 ? m_bComboEnabled : id == 201 ? m_bCheckEnabled : true;
    }
    void Enable() {
        m_bComboEnabled = m_surface == 0;
        m_bCheckEnabled = m_surface == 0 && m_mesh == 0;
    }

    bool m_bComboEnabled = true;
    bool m_bCheckEnabled = true;
    int m_result = 0;
    KestrinUi::DialogTemplate m_template{
        0, L"Kestrin Options", L"MS Sans Serif", 8, {0, 0, 217, 105}, nullptr, 0};
};

} // namespace host_test
