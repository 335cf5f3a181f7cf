// Kestrin host program: the progress line. The line is redrawn in place with a carriage return
// and erased with the terminal's erase-line sequence, which every terminal emulator knows.
#include "app/ProgressSpinner.h"

#include <fmt/core.h>

#include <unistd.h>

namespace KestrinApp {

namespace {
constexpr const char* kEraseLine = "\r\033[K";
constexpr const char kFrames[] = {'|', '/', '-', '\\'};
} // namespace

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
            fmt::print(m_output, "{}{} {} {}s", kEraseLine, kFrames[frame % sizeof(kFrames)],
                       m_label, elapsed);
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
