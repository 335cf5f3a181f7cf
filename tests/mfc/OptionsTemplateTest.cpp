// Tests of dialog template 21000 as the module's resources hold it (every control's id, kind,
// style, text and position, the list entries in order), and of the scripted user interface driving
// a dialog built on it: actions become clicks and selections the dialog's own code sees, refused
// actions are noted, and the transcript keeps what was shown.
#include "support/FunctionUi.h"

#include "HostUi/ScriptedUi.h"
#include "KestrinResources/resource.h"
#include "KestrinUi/DialogTemplate.h"
#include "afxdlgs.h"
#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

using KestrinUi::ControlKind;

const KestrinUi::DialogTemplate& OptionsTemplate() {
    HRSRC hResource = ::FindResourceW(::GetModuleHandleW(nullptr),
                                      MAKEINTRESOURCEW(IDD_KESTRIN_OPTIONS), RT_DIALOG);
    const void* data = ::LockResource(::LoadResource(nullptr, hResource));
    EXPECT_NE(data, nullptr);
    return *static_cast<const KestrinUi::DialogTemplate*>(data);
}

void ExpectItem(const KestrinUi::DialogItemTemplate& item, int id, ControlKind kind, DWORD style,
                const wchar_t* text, KestrinUi::DialogRect position) {
    EXPECT_EQ(item.id, id);
    EXPECT_EQ(KestrinUi::KindOf(item), kind) << id;
    EXPECT_EQ(item.style, style | WS_CHILD | WS_VISIBLE) << id;
    EXPECT_STREQ(item.text, text);
    EXPECT_EQ(item.position.x, position.x) << id;
    EXPECT_EQ(item.position.y, position.y) << id;
    EXPECT_EQ(item.position.cx, position.cx) << id;
    EXPECT_EQ(item.position.cy, position.cy) << id;
}

// A dialog on template 21000 that binds the three options, as the module's dialog does.
class COptionsDlg : public CDialog {
public:
    COptionsDlg() : CDialog(IDD_KESTRIN_OPTIONS) {}
    int m_bWarning = 1;
    int m_nMeshType = 0;
    int m_nSurfaceType = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_POLYFACE_WARNING, m_bWarning);
        DDX_CBIndex(pDX, IDC_MESH_TYPE, m_nMeshType);
        DDX_Radio(pDX, IDC_SURFACES_AS_MESH, m_nSurfaceType);
    }
};

} // namespace

TEST(OptionsTemplate, DialogFrameIsAsDesigned) {
    const KestrinUi::DialogTemplate& dialog = OptionsTemplate();
    EXPECT_STREQ(dialog.caption, L"Kestrin Options");
    EXPECT_STREQ(dialog.fontName, L"MS Sans Serif");
    EXPECT_EQ(dialog.fontPointSize, 8);
    EXPECT_EQ(dialog.position.cx, 217);
    EXPECT_EQ(dialog.position.cy, 105);
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
}

TEST(OptionsTemplate, ControlsInOrderWithTheirKindsTextsAndPositions) {
    const KestrinUi::DialogTemplate& dialog = OptionsTemplate();
    ASSERT_EQ(dialog.itemCount, 9);
    const KestrinUi::DialogItemTemplate* items = dialog.items;
    ExpectItem(items[0], 8000, ControlKind::RadioButton, BS_AUTORADIOBUTTON | WS_GROUP, L"Mesh",
               {71, 7, 33, 10});
    ExpectItem(items[1], 8001, ControlKind::RadioButton, BS_AUTORADIOBUTTON, L"Edge curves",
               {70, 55, 56, 10});
    ExpectItem(items[2], 200, ControlKind::DropDownList, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
               L"", {123, 20, 68, 93});
    ExpectItem(items[3], 201, ControlKind::CheckBox, BS_AUTOCHECKBOX | WS_TABSTOP,
               L"Display polyface mesh limit warning", {84, 37, 126, 10});
    ExpectItem(items[4], IDOK, ControlKind::DefaultPushButton, BS_DEFPUSHBUTTON | WS_TABSTOP,
               L"&OK", {54, 84, 50, 14});
    ExpectItem(items[5], IDCANCEL, ControlKind::PushButton, BS_PUSHBUTTON | WS_TABSTOP, L"&Cancel",
               {112, 84, 50, 14});
    ExpectItem(items[6], IDC_STATIC, ControlKind::StaticText, SS_LEFT | WS_GROUP, L"Mesh type",
               {84, 22, 34, 8});
    ExpectItem(items[7], IDC_STATIC, ControlKind::EtchedLine, SS_ETCHEDHORZ, L"", {7, 74, 203, 1});
    ExpectItem(items[8], IDC_STATIC, ControlKind::StaticText, SS_LEFT | WS_GROUP,
               L"Import surfaces as", {7, 7, 58, 8});
    ASSERT_EQ(items[2].entryCount, 4);
    EXPECT_STREQ(items[2].entries[0], L"Polyface Mesh");
    EXPECT_STREQ(items[2].entries[1], L"3D Faces");
    EXPECT_STREQ(items[2].entries[2], L"Lines");
    EXPECT_STREQ(items[2].entries[3], L"Points");
}

TEST(ScriptedUi, DrivesTheOptionsDialogAndRecordsWhatWasShown) {
    KestrinHost::ScriptedUi ui({KestrinHost::ScriptAction::Click(IDC_SURFACES_AS_EDGE_CURVES),
                                KestrinHost::ScriptAction::SelectText(IDC_MESH_TYPE, L"Lines"),
                                KestrinHost::ScriptAction::SetCheck(IDC_POLYFACE_WARNING, false),
                                KestrinHost::ScriptAction::SelectIndex(IDC_MESH_TYPE, 9),
                                KestrinHost::ScriptAction::Ok()});
    const KestrinUi::ScopedUserInterface installed(ui);
    COptionsDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nSurfaceType, 1);
    EXPECT_EQ(dialog.m_nMeshType, 2);
    EXPECT_EQ(dialog.m_bWarning, 0);
    EXPECT_EQ(ui.PendingCount(), 0u);

    const std::vector<KestrinHost::TranscriptEntry> dialogs =
        ui.GetTranscript().OfKind(KestrinHost::ShownKind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, L"Kestrin Options");
    EXPECT_EQ(dialogs[0].result, IDOK);
    EXPECT_TRUE(KestrinTest::ControlOf(dialogs[0].controlsShown, IDC_SURFACES_AS_MESH).bChecked);
    EXPECT_TRUE(
        KestrinTest::ControlOf(dialogs[0].controlsAtClose, IDC_SURFACES_AS_EDGE_CURVES).bChecked);
    // The out-of-range index was refused and noted; the dialog went on.
    EXPECT_EQ(ui.GetTranscript().OfKind(KestrinHost::ShownKind::Note).size(), 1u);
}

TEST(ScriptedUi, ScriptEndingInsideTheDialogCancelsIt) {
    KestrinHost::ScriptedUi ui({KestrinHost::ScriptAction::Click(IDC_SURFACES_AS_EDGE_CURVES)});
    const KestrinUi::ScopedUserInterface installed(ui);
    COptionsDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nSurfaceType, 0); // Cancel leaves the members as they were
}

TEST(ScriptedUi, AnswersFileDialogsAndMessageBoxesInOrder) {
    KestrinHost::ScriptedUi ui({KestrinHost::ScriptAction::File(L"/data/part"),
                                KestrinHost::ScriptAction::Answer(IDCANCEL)});
    const KestrinUi::ScopedUserInterface installed(ui);
    CFileDialog fileDialog(TRUE, L"stp", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           L"STEP Files (*.stp, *.step)|*.stp;*.step||");
    EXPECT_EQ(fileDialog.DoModal(), IDOK);
    EXPECT_STREQ(fileDialog.GetPathName(), L"/data/part.stp");
    EXPECT_EQ(::MessageBoxW(nullptr, L"Proceed?", L"Kestrin", MB_OKCANCEL), IDCANCEL);
    // Nothing left to answer: a warning is acknowledged, a file dialog cancelled.
    EXPECT_EQ(
        ::MessageBoxW(nullptr, L"This command needs an active drawing", L"Kestrin", MB_ICONWARNING),
        IDOK);
    EXPECT_EQ(fileDialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ui.GetTranscript().OfKind(KestrinHost::ShownKind::MessageBox).size(), 2u);
}
