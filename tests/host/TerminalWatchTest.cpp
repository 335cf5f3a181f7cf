// Kestrin host tests: watching a command at work: Escape read from a terminal (a pseudo-
// terminal here) while the rest of what is typed is kept.

#include "TerminalKeys.h"
#include "TerminalUi/EscapeWatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Both ends of a pseudo-terminal: the program reads the terminal end; the test types into the
// other.
class PseudoTerminal {
public:
    PseudoTerminal() {
        m_typing = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_typing >= 0 && ::grantpt(m_typing) == 0 && ::unlockpt(m_typing) == 0) {
            m_terminal = ::open(::ptsname(m_typing), O_RDWR | O_NOCTTY);
        }
    }
    ~PseudoTerminal() {
        ::close(m_terminal);
        ::close(m_typing);
    }
    bool Ok() const { return m_terminal >= 0; }
    int Terminal() const { return m_terminal; }
    void Type(const std::string& bytes) const {
        ASSERT_EQ(::write(m_typing, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

private:
    int m_typing = -1;
    int m_terminal = -1;
};

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 200 && !condition(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return condition();
}

// Bytes typed and not yet read; counts whole lines only outside raw mode.
int Unread(int fd) {
    int count = -1;
    return ::ioctl(fd, TIOCINQ, &count) == 0 ? count : -1;
}

} // namespace

TEST(RawKeyMode, KeysTypedAheadStayForTheNextReader) {
    // Typed before a dialog opens, and after its last key, as when Enter closes a box and the
    // next command follows at once: neither the start nor the end of raw mode may drop them.
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    pty.Type("a");
    {
        KestrinTerminalUi::RawKeyMode dialog(pty.Terminal());
        EXPECT_TRUE(WaitFor([&] { return Unread(pty.Terminal()) == 1; }));
        pty.Type("bc");
        EXPECT_TRUE(WaitFor([&] { return Unread(pty.Terminal()) == 3; }));
    }
    KestrinTerminalUi::RawKeyMode next(pty.Terminal());
    EXPECT_EQ(Unread(pty.Terminal()), 3);
}

TEST(EscapeWatcher, OnlyALoneEscapeCallsAndTheTerminalIsPutBack) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    termios before{};
    ASSERT_EQ(::tcgetattr(pty.Terminal(), &before), 0);
    std::atomic<int> escapes{0};
    {
        KestrinTerminalUi::EscapeWatcher watcher(pty.Terminal(), [&escapes] { ++escapes; });
        termios watching{};
        ASSERT_EQ(::tcgetattr(pty.Terminal(), &watching), 0);
        EXPECT_EQ(watching.c_lflag & ECHO, 0u); // typing ahead is not echoed over the progress
        EXPECT_NE(watching.c_lflag & ISIG, 0u); // and Ctrl+C still interrupts

        pty.Type("ab\033[A"); // keys and an arrow key's sequence: no Escape
        std::this_thread::sleep_for(200ms);
        EXPECT_EQ(escapes.load(), 0);
        pty.Type("\033");
        EXPECT_TRUE(WaitFor([&escapes] { return escapes.load() == 1; }));
        pty.Type("\033x"); // Escape followed at once by a key of its own
        EXPECT_TRUE(WaitFor([&escapes] { return escapes.load() == 2; }));
    }
    termios after{};
    ASSERT_EQ(::tcgetattr(pty.Terminal(), &after), 0);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(escapes.load(), 2);
}

TEST(EscapeWatcher, NotATerminalIsNotWatched) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::atomic<int> escapes{0};
    {
        KestrinTerminalUi::EscapeWatcher watcher(ends[0], [&escapes] { ++escapes; });
        ASSERT_EQ(::write(ends[1], "\033", 1), 1);
        std::this_thread::sleep_for(200ms);
    }
    EXPECT_EQ(escapes.load(), 0);
    char byte = 0;
    EXPECT_EQ(::read(ends[0], &byte, 1), 1); // nothing was read away
    ::close(ends[0]);
    ::close(ends[1]);
}
