// Kestrin openNURBS-compatible geometry.
// ON_TextLog: printf-style formatting with indentation of every new line.
#include "opennurbs_textlog.h"

#include <cstdarg>
#include <string>
#include <vector>

namespace {
// Spaces per indentation level.
constexpr int kIndentWidth = 4;
} // namespace

ON_TextLog::ON_TextLog(FILE* fp) : m_fp(fp != nullptr ? fp : stdout) {}

ON_TextLog::~ON_TextLog() = default;

void ON_TextLog::Print(const char* format, ...) {
    if (format == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        va_end(args);
        return;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);

    // Split at newlines so that every line that follows one is indented.
    std::string pending;
    for (int i = 0; i < length; ++i) {
        const char c = text[static_cast<size_t>(i)];
        if (m_bAtLineStart && c != '\n') {
            pending.append(static_cast<size_t>(m_indent * kIndentWidth), ' ');
            m_bAtLineStart = false;
        }
        pending.push_back(c);
        if (c == '\n') {
            m_bAtLineStart = true;
        }
    }
    AppendText(pending.c_str());
}

void ON_TextLog::PrintNewLine() {
    Print("\n");
}

void ON_TextLog::PushIndent() {
    ++m_indent;
}

void ON_TextLog::PopIndent() {
    if (m_indent > 0) {
        --m_indent;
    }
}

void ON_TextLog::AppendText(const char* s) {
    std::fputs(s, m_fp);
}
