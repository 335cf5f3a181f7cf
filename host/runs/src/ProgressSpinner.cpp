// Kestrin host program: the progress line. The line is redrawn in place with a carriage return
// and erased with the terminal's erase-line sequence, which every terminal emulator knows.
#include "Runs/ProgressSpinner.h"

#include <fmt/core.h>

#include <sys/ioctl.h>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kEraseLine = "\r\033[K";
constexpr const char kFrames[] = {'|', '/', '-', '\\'};
constexpr const char* kCut = "...";

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The number of characters of UTF-8 text (each taken as one column wide).
std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += StartsCharacter(byte) ? 1 : 0;
    }
    return count;
}

// The first `count` characters of UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if (StartsCharacter(text[end]) && seen++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

int TerminalColumns(std::FILE* output) {
    winsize size{};
    return ::ioctl(::fileno(output), TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

} // namespace

std::string ProgressLineText(char frame, const std::string& label, long long seconds, int columns) {
    const std::string head(1, frame);
    const std::string tail = " " + std::to_string(seconds) + "s";
    const std::string whole = head + " " + label + tail;
    if (columns <= 0 || static_cast<int>(Characters(whole)) < columns) {
        return whole;
    }
    const std::size_t room = static_cast<std::size_t>(columns - 1);
    const std::size_t fixed = head.size() + 1 + std::char_traits<char>::length(kCut) + tail.size();
    if (room <= fixed) {
        return FirstCharacters(whole, room);
    }
    return head + " " + FirstCharacters(label, room - fixed) + kCut + tail;
}

ProgressSpinner::ProgressSpinner(std::string label, std::FILE* output)
    : m_label(std::move(label)), m_output(output) {
    if (m_output && ::isatty(::fileno(m_output))) {
        m_thread = std::thread([this] { Run(); });
    }
}

ProgressSpinner::~ProgressSpinner() {
    if (!m_thread.joinable()) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_stopped.notify_one();
    m_thread.join();
}

void ProgressSpinner::EraseLine() {
    if (!IsActive()) {
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bShown) {
        std::fputs(kEraseLine, m_output);
        std::fflush(m_output);
        m_bShown = false;
    }
}

void ProgressSpinner::SetLabel(std::string label) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_label = std::move(label);
}

void ProgressSpinner::Run() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_stopped.wait_for(lock, kShowAfter, [this] { return m_bStop; })) {
        for (std::size_t frame = 0; !m_bStop; ++frame) {
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count();
            fmt::print(m_output, "{}{}", kEraseLine,
                       ProgressLineText(kFrames[frame % sizeof(kFrames)], m_label, elapsed,
                                        TerminalColumns(m_output)));
            std::fflush(m_output);
            m_bShown = true;
            m_stopped.wait_for(lock, kRedrawEvery, [this] { return m_bStop; });
        }
    }
    if (m_bShown) {
        std::fputs(kEraseLine, m_output);
        std::fflush(m_output);
    }
}

} // namespace KestrinApp
