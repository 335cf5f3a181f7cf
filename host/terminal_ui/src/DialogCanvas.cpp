// Kestrin terminal UI: drawing dialogs.
#include "DialogCanvas.h"

#include <algorithm>

namespace KestrinTerminalUi {

using KestrinUi::ControlKind;

namespace {

constexpr const wchar_t* kResetLook = L"\033[0m";

const wchar_t* LookSequence(CellLook look) {
    switch (look) {
    case CellLook::Focused:
        return L"\033[7m"; // reverse video
    case CellLook::Disabled:
        return L"\033[2m"; // faint
    case CellLook::Title:
        return L"\033[1m"; // bold
    case CellLook::Normal:
        break;
    }
    return kResetLook;
}

std::wstring Centered(const std::wstring& text, int width) {
    if (static_cast<int>(text.size()) >= width) {
        return text.substr(0, static_cast<std::size_t>(std::max(width, 0)));
    }
    const int left = (width - static_cast<int>(text.size())) / 2;
    return std::wstring(left, L' ') + text +
           std::wstring(width - left - static_cast<int>(text.size()), L' ');
}

std::wstring Padded(const std::wstring& text, int width) {
    std::wstring padded = text.substr(0, static_cast<std::size_t>(std::max(width, 0)));
    padded.resize(static_cast<std::size_t>(std::max(width, 0)), L' ');
    return padded;
}

} // namespace

Canvas::Canvas(int width, int height)
    : m_width(width), m_text(height, std::wstring(width, L' ')),
      m_looks(height, std::vector<CellLook>(width, CellLook::Normal)) {}

void Canvas::Put(int column, int row, const std::wstring& text, CellLook look) {
    if (row < 0 || row >= Height()) {
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int at = column + static_cast<int>(i);
        if (at >= 0 && at < m_width) {
            m_text[row][at] = text[i];
            m_looks[row][at] = look;
        }
    }
}

std::wstring Canvas::RowForTerminal(int row) const {
    std::wstring out;
    CellLook current = CellLook::Normal;
    for (int column = 0; column < m_width; ++column) {
        const CellLook look = m_looks[row][column];
        if (look != current) {
            out += kResetLook;
            if (look != CellLook::Normal) {
                out += LookSequence(look);
            }
            current = look;
        }
        out += m_text[row][column];
    }
    return out + kResetLook;
}

std::wstring ControlText(const KestrinUi::ControlState& control, int width) {
    const std::wstring text = DisplayText(control.text);
    switch (control.kind) {
    case ControlKind::CheckBox:
        return Padded((control.bChecked ? L"[x] " : L"[ ] ") + text, width);
    case ControlKind::RadioButton:
        return Padded((control.bChecked ? L"(*) " : L"( ) ") + text, width);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return L"[" + Centered(text, width - 2) + L"]";
    case ControlKind::ComboBox:
    case ControlKind::DropDownList: {
        const bool bSelected = control.selectedIndex >= 0 &&
                               control.selectedIndex < static_cast<int>(control.entries.size());
        const std::wstring entry = bSelected ? control.entries[control.selectedIndex] : L"";
        return L"[" + Padded(entry, width - 4) + L" v]";
    }
    case ControlKind::Edit:
        return L"[" + Padded(text, width - 2) + L"]";
    case ControlKind::EtchedLine:
        return std::wstring(static_cast<std::size_t>(width), L'-');
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
        break;
    }
    return Padded(text, width);
}

Canvas DrawDialog(const std::wstring& caption, const DialogLayout& layout,
                  const std::vector<KestrinUi::ControlState>& controls, int focus) {
    Canvas canvas(layout.width + 2, layout.height + 2);
    const int right = layout.width + 1;
    const int bottom = layout.height + 1;
    canvas.Put(0, 0, L"+" + std::wstring(layout.width, L'-') + L"+");
    canvas.Put(2, 0, L" " + caption + L" ", CellLook::Title);
    canvas.Put(0, bottom, L"+" + std::wstring(layout.width, L'-') + L"+");
    for (int row = 1; row < bottom; ++row) {
        canvas.Put(0, row, L"|");
        canvas.Put(right, row, L"|");
    }
    for (std::size_t i = 0; i < controls.size() && i < layout.cells.size(); ++i) {
        const KestrinUi::ControlState& control = controls[i];
        const CellRect& cell = layout.cells[i];
        const CellLook look = static_cast<int>(i) == focus ? CellLook::Focused
                              : control.bEnabled           ? CellLook::Normal
                                                           : CellLook::Disabled;
        canvas.Put(cell.column + 1, cell.row + 1, ControlText(control, cell.width), look);
    }
    return canvas;
}

} // namespace KestrinTerminalUi
