// Template 100 of the framework tests, compiled into the test module's resources: a radio group of
// three buttons with a combo box inside it, a check box, OK, Cancel and a button whose handler
// throws.
#include "TestDialog.h"

#include "KestrinUi/DialogTemplate.h"

namespace {

using KestrinUi::WindowClass;

constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;

const wchar_t* const kComboEntries[] = {L"Alpha", L"Beta", L"Gamma"};

const KestrinUi::DialogItemTemplate kItems[] = {
    {IDC_STATIC,
     WindowClass::Static,
     kControl | SS_LEFT | WS_GROUP,
     L"Choose",
     {5, 5, 40, 8},
     nullptr,
     0},
    {IDC_TEST_RADIO_FIRST,
     WindowClass::Button,
     kControl | BS_AUTORADIOBUTTON | WS_GROUP,
     L"First",
     {5, 15, 40, 10},
     nullptr,
     0},
    {IDC_TEST_RADIO_SECOND,
     WindowClass::Button,
     kControl | BS_AUTORADIOBUTTON,
     L"Second",
     {5, 25, 40, 10},
     nullptr,
     0},
    {IDC_TEST_COMBO,
     WindowClass::ComboBox,
     kControl | CBS_DROPDOWNLIST,
     L"",
     {50, 15, 60, 40},
     kComboEntries,
     3},
    {IDC_TEST_RADIO_THIRD,
     WindowClass::Button,
     kControl | BS_AUTORADIOBUTTON,
     L"Third",
     {5, 35, 40, 10},
     nullptr,
     0},
    {IDC_TEST_CHECK,
     WindowClass::Button,
     kControl | BS_AUTOCHECKBOX | WS_GROUP,
     L"Check",
     {5, 45, 60, 10},
     nullptr,
     0},
    {IDOK, WindowClass::Button, kControl | BS_DEFPUSHBUTTON, L"OK", {5, 60, 40, 14}, nullptr, 0},
    {IDCANCEL,
     WindowClass::Button,
     kControl | BS_PUSHBUTTON,
     L"Cancel",
     {50, 60, 40, 14},
     nullptr,
     0},
    {IDC_TEST_THROW,
     WindowClass::Button,
     kControl | BS_PUSHBUTTON,
     L"Throw",
     {95, 60, 40, 14},
     nullptr,
     0},
};

} // namespace

const KestrinUi::DialogTemplate kTestDialogTemplate = {DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                                       L"Test dialog",
                                                       L"MS Sans Serif",
                                                       8,
                                                       {0, 0, 150, 80},
                                                       kItems,
                                                       sizeof(kItems) / sizeof(kItems[0])};
