// Kestrin terminal UI: boxes.
#include "MessageBoxView.h"

#include "KestrinUi/UserInterface.h"

#include <winuser.h>

#include <algorithm>
#include <cwctype>
#include <sstream>

namespace KestrinTerminalUi {

namespace {

constexpr int kMinBoxWidth = 30;  // room for the caption of a short message
constexpr int kBoxMargin = 2;     // blank columns inside the frame on each side
constexpr int kButtonGap = 2;     // blank columns between buttons
constexpr int kButtonPadding = 2; // blanks on each side of a button's label

// The text's lines, each broken at blanks into pieces of at most width characters (a word
// longer than that is cut); width 0 breaks nothing.
std::vector<std::wstring> Lines(const std::wstring& text, std::size_t width) {
    std::vector<std::wstring> lines;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);) {
        while (width > 0 && line.size() > width) {
            std::size_t cut = line.find_last_of(L' ', width);
            const bool bAtBlank = cut != std::wstring::npos && cut > 0;
            cut = bAtBlank ? cut : width;
            lines.push_back(line.substr(0, cut));
            line.erase(0, bAtBlank ? cut + 1 : cut);
        }
        lines.push_back(line);
    }
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

std::wstring ButtonLabel(int button) {
    const std::wstring name = KestrinUi::MessageBoxButtonName(button);
    return L"[" + std::wstring(kButtonPadding, L' ') + name + std::wstring(kButtonPadding, L' ') +
           L"]";
}

int EscapeAnswer(const std::vector<int>& buttons) {
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) {
        return IDCANCEL;
    }
    return buttons.size() == 1 ? buttons.front() : 0;
}

} // namespace

Canvas DrawBox(const BoxContent& content, int focus, int maxWidth) {
    constexpr int kFrameAndMargins = 2 + 2 * kBoxMargin;
    const int textWidth = maxWidth > 0 ? std::max(1, maxWidth - kFrameAndMargins) : 0;
    std::vector<std::wstring> lines = Lines(content.text, static_cast<std::size_t>(textWidth));
    if (!content.icon.empty()) {
        lines.insert(lines.begin(), L"(" + content.icon + L")");
    }
    int buttonsWidth = 0;
    for (int button : content.buttons) {
        buttonsWidth += static_cast<int>(ButtonLabel(button).size()) + kButtonGap;
    }
    buttonsWidth -= kButtonGap;
    int inner = std::max(kMinBoxWidth, buttonsWidth);
    inner = std::max(inner, static_cast<int>(content.caption.size()) + kBoxMargin);
    for (const std::wstring& line : lines) {
        inner = std::max(inner, static_cast<int>(line.size()));
    }
    if (maxWidth > 0) { // a long caption or a wide row of buttons is cut at the edge
        inner = std::max(1, std::min(inner, maxWidth - kFrameAndMargins));
    }
    const int width = inner + 2 * kBoxMargin;
    const int height = static_cast<int>(lines.size()) + 3; // a blank row and the buttons' row

    Canvas canvas(width + 2, height + 2);
    canvas.Put(0, 0, L"+" + std::wstring(width, L'-') + L"+");
    canvas.Put(2, 0, L" " + content.caption + L" ", CellLook::Title);
    canvas.Put(0, height + 1, L"+" + std::wstring(width, L'-') + L"+");
    for (int row = 1; row <= height; ++row) {
        canvas.Put(0, row, L"|");
        canvas.Put(width + 1, row, L"|");
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        canvas.Put(1 + kBoxMargin, 2 + static_cast<int>(i), lines[i]);
    }
    int column = 1 + (width - buttonsWidth) / 2;
    for (std::size_t i = 0; i < content.buttons.size(); ++i) {
        const std::wstring label = ButtonLabel(content.buttons[i]);
        canvas.Put(column, height, label,
                   static_cast<int>(i) == focus ? CellLook::Focused : CellLook::Normal);
        column += static_cast<int>(label.size()) + kButtonGap;
    }
    return canvas;
}

int AnswerForKey(const BoxContent& content, const Key& key, int* focus) {
    const int count = static_cast<int>(content.buttons.size());
    switch (key.kind) {
    case KeyKind::Tab:
    case KeyKind::Right:
    case KeyKind::Down:
        *focus = (*focus + 1) % count;
        return 0;
    case KeyKind::BackTab:
    case KeyKind::Left:
    case KeyKind::Up:
        *focus = (*focus + count - 1) % count;
        return 0;
    case KeyKind::Enter:
    case KeyKind::Space:
        return content.buttons.at(static_cast<std::size_t>(*focus));
    case KeyKind::Escape: // as Ctrl+C: a question is never left standing by the key that cancels
    case KeyKind::Interrupt:
    case KeyKind::EndOfInput: {
        const int escape = EscapeAnswer(content.buttons);
        return escape != 0 ? escape : content.declining;
    }
    case KeyKind::Character:
        for (int button : content.buttons) {
            const wchar_t first = KestrinUi::MessageBoxButtonName(button)[0];
            if (std::towlower(static_cast<wint_t>(first)) ==
                std::towlower(static_cast<wint_t>(static_cast<unsigned char>(key.character)))) {
                return button;
            }
        }
        return 0;
    case KeyKind::Resize:
    case KeyKind::Other:
        break;
    }
    return 0;
}

} // namespace KestrinTerminalUi
