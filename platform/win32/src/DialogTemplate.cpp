// Kestrin Windows stand-in: what a template control is, read from its class and style bits as
// the target's predefined window classes read them.
#include "KestrinUi/DialogTemplate.h"

#include "winuser.h"

namespace KestrinUi {

namespace {

constexpr DWORD kComboTypeMask = 0x3; // CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST

ControlKind ButtonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON:
        return ControlKind::DefaultPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ControlKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ControlKind::RadioButton;
    case BS_GROUPBOX:
        return ControlKind::GroupBox;
    default:
        return ControlKind::PushButton;
    }
}

} // namespace

ControlKind KindOf(const DialogItemTemplate& item) {
    switch (item.windowClass) {
    case WindowClass::Button:
        return ButtonKind(item.style);
    case WindowClass::Edit:
        return ControlKind::Edit;
    case WindowClass::ComboBox:
        return (item.style & kComboTypeMask) == CBS_DROPDOWNLIST ? ControlKind::DropDownList
                                                                 : ControlKind::ComboBox;
    case WindowClass::Static:
        return (item.style & SS_TYPEMASK) == SS_ETCHEDHORZ ? ControlKind::EtchedLine
                                                           : ControlKind::StaticText;
    }
    return ControlKind::StaticText;
}

const wchar_t* WindowClassName(WindowClass windowClass) {
    switch (windowClass) {
    case WindowClass::Button:
        return L"Button";
    case WindowClass::Edit:
        return L"Edit";
    case WindowClass::Static:
        return L"Static";
    case WindowClass::ComboBox:
        return L"ComboBox";
    }
    return L"Static";
}

const wchar_t* ControlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return L"push button";
    case ControlKind::DefaultPushButton:
        return L"default push button";
    case ControlKind::CheckBox:
        return L"check box";
    case ControlKind::RadioButton:
        return L"radio button";
    case ControlKind::GroupBox:
        return L"group box";
    case ControlKind::ComboBox:
        return L"combo box";
    case ControlKind::DropDownList:
        return L"drop-down list";
    case ControlKind::Edit:
        return L"edit field";
    case ControlKind::StaticText:
        return L"static text";
    case ControlKind::EtchedLine:
        return L"etched line";
    }
    return L"control";
}

} // namespace KestrinUi
