// Kestrin host: control texts.
#include "HostUi/ControlText.h"

#include <limits>

namespace KestrinHost {

namespace {

constexpr int kClosedListHeight = 12; // a template's list height includes its open list

} // namespace

std::wstring DisplayText(const std::wstring& text) {
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i; // the marked character (or the second '&' of "&&") is shown as it is
        } else if (text[i] == L'&') {
            continue;
        }
        shown += text[i];
    }
    return shown;
}

std::wstring LabelOf(const std::vector<KestrinUi::ControlState>& controls, std::size_t index) {
    const KestrinUi::DialogRect& place = controls.at(index).position;
    const int middle = place.y + std::min(place.cy, kClosedListHeight) / 2;
    std::wstring label;
    int nearest = std::numeric_limits<int>::max();
    for (const KestrinUi::ControlState& control : controls) {
        const KestrinUi::DialogRect& at = control.position;
        const bool bBeside = control.kind == KestrinUi::ControlKind::StaticText &&
                             at.x + at.cx <= place.x && middle >= at.y && middle < at.y + at.cy;
        if (bBeside && place.x - (at.x + at.cx) < nearest) {
            nearest = place.x - (at.x + at.cx);
            label = DisplayText(control.text);
        }
    }
    return label;
}

} // namespace KestrinHost
