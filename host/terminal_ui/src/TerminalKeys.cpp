// Kestrin terminal UI: reading keys.
#include "TerminalKeys.h"

#include "TerminalUi/LineQuestion.h"

#include "KestrinPosix/SignalCatcher.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace KestrinTerminalUi {

namespace {

constexpr char kEscape = '\033';
constexpr char kCtrlC = '\003';
constexpr char kCtrlD = '\004';
constexpr char kDelete = '\177';

kposix::SignalCatcher* g_pResizes = nullptr; // the ResizeWatch's catcher, while one lives

// Reads one byte; false at the end of input. A change of the window's size, one that came
// before the call included, ends the wait with *pbResized set: the key and the signal are
// waited for together, so none can slip in between a test and the read.
bool ReadByte(int fd, char* byte, bool* pbResized) {
    for (;;) {
        pollfd watched[2] = {{fd, POLLIN, 0}, {g_pResizes ? g_pResizes->WakeFd() : -1, POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if ((watched[1].revents & POLLIN) && !g_pResizes->Take().empty()) {
            *pbResized = true;
            return true;
        }
        if (watched[0].revents == 0) {
            continue;
        }
        const ssize_t got = ::read(fd, byte, 1);
        if (got == 1) {
            return true;
        }
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        return false;
    }
}

} // namespace

ResizeWatch::ResizeWatch()
    : m_pCatcher(std::make_unique<kposix::SignalCatcher>(kposix::SignalDelivery::Take,
                                                         std::vector<int>{SIGWINCH})) {
    g_pResizes = m_pCatcher.get();
}

ResizeWatch::~ResizeWatch() {
    g_pResizes = nullptr;
}

TerminalSize SizeOfTerminal(int fd) {
    winsize size{};
    if (::ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) {
        return {0, 0};
    }
    return {size.ws_col, size.ws_row};
}

Key DecodeKey(const std::string& bytes, bool bComplete, std::size_t* used) {
    *used = 0;
    if (bytes.empty()) {
        return {KeyKind::Other};
    }
    const char first = bytes[0];
    if (first != kEscape) {
        *used = 1;
        switch (first) {
        case '\t':
            return {KeyKind::Tab};
        case '\r':
        case '\n':
            return {KeyKind::Enter};
        case ' ':
            return {KeyKind::Space};
        case kCtrlC:
            return {KeyKind::Interrupt};
        case kCtrlD:
            return {KeyKind::EndOfInput};
        default:
            break;
        }
        const auto byte = static_cast<unsigned char>(first);
        if (byte < 0x20 || first == kDelete) {
            return {KeyKind::Other};
        }
        return {KeyKind::Character, first};
    }
    if (bytes.size() == 1) {
        if (bComplete) {
            *used = 1;
            return {KeyKind::Escape};
        }
        return {KeyKind::Other};
    }
    if (bytes[1] != '[' && bytes[1] != 'O') {
        *used = 1; // Escape followed by a key of its own
        return {KeyKind::Escape};
    }
    // CSI or SS3: parameters, then one final byte in '@'..'~'.
    for (std::size_t i = 2; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        if (ch >= '@' && ch <= '~') {
            *used = i + 1;
            switch (ch) {
            case 'A':
                return {KeyKind::Up};
            case 'B':
                return {KeyKind::Down};
            case 'C':
                return {KeyKind::Right};
            case 'D':
                return {KeyKind::Left};
            case 'Z':
                return {KeyKind::BackTab};
            default:
                return {KeyKind::Other};
            }
        }
    }
    if (bComplete) {
        *used = bytes.size(); // a cut sequence: drop it
    }
    return {KeyKind::Other};
}

RawKeyMode::RawKeyMode(int fd) : m_fd(fd) {
    if (::isatty(fd) && ::tcgetattr(fd, &m_saved) == 0) {
        termios raw = m_saved;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
        raw.c_iflag &= ~static_cast<tcflag_t>(ICRNL | IXON);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        m_bActive = ::tcsetattr(fd, TCSADRAIN, &raw) == 0;
    }
}

RawKeyMode::~RawKeyMode() {
    if (m_bActive) {
        ::tcsetattr(m_fd, TCSADRAIN, &m_saved);
    }
}

KeyReader::~KeyReader() {
    QueueTypedAhead(m_pending);
}

Key KeyReader::Next() {
    for (;;) {
        if (m_pending.empty()) {
            char byte = 0;
            bool bResized = false;
            if (!ReadByte(m_fd, &byte, &bResized)) {
                return {KeyKind::EndOfInput};
            }
            if (bResized) {
                return {KeyKind::Resize};
            }
            m_pending += byte;
        }
        // Only an Escape waits: for the rest of its sequence, if one follows.
        pollfd waiting{m_fd, POLLIN, 0};
        const int pause =
            m_pending[0] == kEscape ? static_cast<int>(kEscapeSequencePause.count()) : 0;
        const bool bMore = ::poll(&waiting, 1, pause) > 0;
        std::size_t used = 0;
        const Key key = DecodeKey(m_pending, !bMore, &used);
        if (used > 0) {
            m_pending.erase(0, used);
            return key;
        }
        char byte = 0;
        bool bResized = false;
        if (!ReadByte(m_fd, &byte, &bResized)) {
            m_pending.clear();
            return {KeyKind::EndOfInput};
        }
        if (bResized) {
            return {KeyKind::Resize}; // the pending bytes wait for the next call
        }
        m_pending += byte;
    }
}

} // namespace KestrinTerminalUi
