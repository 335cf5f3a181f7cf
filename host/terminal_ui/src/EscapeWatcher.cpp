// Kestrin terminal UI: the Escape watcher. Keys are told apart with the same decoding as the
// dialogs' (a lone Escape is one not followed by the rest of a sequence at once); the bytes of
// any other key are kept as typed and queued for the next line question when watching ends.
#include "TerminalUi/EscapeWatcher.h"

#include "TerminalKeys.h"
#include "TerminalUi/LineQuestion.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace KestrinTerminalUi {

EscapeWatcher::EscapeWatcher(int inputFd, std::function<void()> onEscape)
    : m_fd(inputFd), m_onEscape(std::move(onEscape)) {
    if (!::isatty(m_fd) || ::tcgetattr(m_fd, &m_saved) != 0 || ::pipe2(m_stop, O_CLOEXEC) != 0) {
        m_fd = -1;
        return;
    }
    termios keys = m_saved;
    keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO); // ISIG stays: Ctrl+C interrupts
    keys.c_cc[VMIN] = 1;
    keys.c_cc[VTIME] = 0;
    ::tcsetattr(m_fd, TCSANOW, &keys);
    m_thread = std::thread([this] { Watch(); });
}

EscapeWatcher::~EscapeWatcher() {
    if (m_fd < 0) {
        return;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_stop[1], &byte, 1);
    m_thread.join();
    ::close(m_stop[0]);
    ::close(m_stop[1]);
    ::tcsetattr(m_fd, TCSANOW, &m_saved);
    QueueTypedAhead(m_typed);
}

void EscapeWatcher::Watch() {
    std::string pending; // bytes read and not decoded yet: the start of a sequence
    for (;;) {
        pollfd watched[2] = {{m_fd, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        // The start of a sequence waits briefly for its rest; a lone Escape is then a key.
        const int wait = pending.empty() ? -1 : static_cast<int>(kEscapeSequencePause.count());
        const int ready = ::poll(watched, 2, wait);
        if (ready < 0) {
            continue; // interrupted by a signal
        }
        if (watched[1].revents != 0 || (watched[0].revents & ~POLLIN) != 0) {
            break; // stopped, or the terminal is gone
        }
        if (ready > 0) {
            char bytes[64];
            const ssize_t got = ::read(m_fd, bytes, sizeof(bytes));
            if (got <= 0) {
                break;
            }
            pending.append(bytes, static_cast<std::size_t>(got));
        }
        for (std::size_t used = 0; !pending.empty(); pending.erase(0, used)) {
            const Key key = DecodeKey(pending, ready == 0, &used);
            if (used == 0) {
                break; // more of a sequence to come
            }
            if (key.kind == KeyKind::Escape) {
                m_onEscape();
            } else {
                m_typed += pending.substr(0, used);
            }
        }
    }
    m_typed += pending;
}

} // namespace KestrinTerminalUi
