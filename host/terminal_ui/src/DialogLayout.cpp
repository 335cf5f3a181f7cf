// Kestrin terminal UI: dialog layout.
#include "DialogLayout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace KestrinTerminalUi {

using KestrinUi::ControlKind;

namespace {

int NeededColumns(const KestrinUi::ControlState& control) {
    std::size_t text = DisplayText(control.text).size();
    for (const std::wstring& entry : control.entries) {
        text = std::max(text, entry.size());
    }
    return DecorationWidth(control.kind) + static_cast<int>(text);
}

int Columns(int units, double unitsPerColumn) {
    return static_cast<int>(std::lround(units / unitsPerColumn));
}

} // namespace

int DecorationWidth(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:    // "[x] "
    case ControlKind::RadioButton: // "(*) "
        return 4;
    case ControlKind::PushButton: // "[ OK ]"
    case ControlKind::DefaultPushButton:
    case ControlKind::ComboBox: // "[entry v]"
    case ControlKind::DropDownList:
        return 4;
    default:
        return 0;
    }
}

DialogLayout LayOutDialog(const KestrinUi::DialogRect& clientSize,
                          const std::vector<KestrinUi::ControlState>& controls) {
    double unitsPerColumn = kMaxDialogUnitsPerColumn;
    for (const KestrinUi::ControlState& control : controls) {
        const int needed = NeededColumns(control);
        if (needed > 0 && control.position.cx > 0) {
            unitsPerColumn = std::min(unitsPerColumn, double(control.position.cx) / needed);
        }
    }
    unitsPerColumn = std::max(unitsPerColumn, kMinDialogUnitsPerColumn);

    DialogLayout layout;
    layout.unitsPerColumn = unitsPerColumn;
    layout.width = std::max(1, Columns(clientSize.cx, unitsPerColumn));
    layout.height = std::max(1, (clientSize.cy + kDialogUnitsPerRow - 1) / kDialogUnitsPerRow);
    for (const KestrinUi::ControlState& control : controls) {
        const bool bCombo =
            control.kind == ControlKind::ComboBox || control.kind == ControlKind::DropDownList;
        const int height =
            bCombo ? std::min(control.position.cy, kClosedComboHeight) : control.position.cy;
        CellRect cell;
        cell.column = Columns(control.position.x, unitsPerColumn);
        cell.row = (control.position.y + height / 2) / kDialogUnitsPerRow;
        cell.width =
            std::max({1, Columns(control.position.cx, unitsPerColumn),
                      control.kind == ControlKind::EtchedLine ? 1 : NeededColumns(control)});
        cell.row = std::clamp(cell.row, 0, layout.height - 1);
        layout.width = std::max(layout.width, cell.column + cell.width);
        layout.cells.push_back(cell);
    }
    return layout;
}

std::wstring TooSmallLine(const std::wstring& caption, int width, int height, int columns,
                          int rows) {
    const std::wstring needed = std::to_wstring(width + 1) + L"x" + std::to_wstring(height + 1);
    const std::wstring now = std::to_wstring(columns) + L"x" + std::to_wstring(rows);
    const std::wstring wordings[] = {
        L"\"" + caption + L"\" needs a " + needed + L" window (this is " + now +
            L"): enlarge it, or Esc",
        L"Needs a " + needed + L" window (this is " + now + L"): enlarge it, or Esc",
        L"Needs " + needed + L": enlarge, or Esc",
        needed + L" needed",
    };
    const std::size_t room = columns > 1 ? static_cast<std::size_t>(columns - 1) : 0;
    for (const std::wstring& wording : wordings) {
        if (room == 0 || wording.size() <= room) {
            return wording;
        }
    }
    return wordings[std::size(wordings) - 1].substr(0, room);
}

} // namespace KestrinTerminalUi
