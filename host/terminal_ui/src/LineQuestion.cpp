// Kestrin terminal UI: reading a line through readline's callback interface, so that the wait
// for a key can also wait for an interrupt (the catcher's descriptor) and leave readline in a
// clean state when it comes. readline's own signal handlers stay off; the catcher owns SIGINT.
#include "TerminalUi/LineQuestion.h"

#include "TerminalKeys.h"
#include "TerminalUi/Interrupts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <readline/readline.h>
#include <unistd.h>

namespace KestrinTerminalUi {

namespace {

// The line handed to the callback; readline's callback has no context argument.
struct PendingLine {
    bool bDone = false;
    bool bGot = false;
    std::string text;
};
PendingLine g_pending;
std::string g_typedAhead;

void OnLine(char* line) {
    g_pending.bDone = true;
    if (line) {
        g_pending.bGot = true;
        g_pending.text = line;
        std::free(line);
    }
    rl_callback_handler_remove();
}

// Ends the prompt's line when reading stopped without a line: the cursor is left after it.
void EndPromptLine() {
    std::fputs("\n", rl_outstream ? rl_outstream : stdout);
}

bool TerminalClosed() {
    pollfd watched{STDIN_FILENO, POLLIN, 0};
    return ::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL));
}

// Hands one key byte to readline.
void Feed(char byte) {
    rl_stuff_char(static_cast<unsigned char>(byte));
    rl_callback_read_char();
}

// Ends the question without a line: readline's half-read key sequence and its prompt go.
void AbandonLine() {
    rl_callback_sigcleanup();
    rl_callback_handler_remove();
    EndPromptLine();
}

} // namespace

void QueueTypedAhead(const std::string& bytes) {
    g_typedAhead += bytes;
}

TerminalLine ReadTerminalLine(const std::string& prompt) {
    rl_catch_signals = 0;
    InterruptCatcher::Take();
    g_pending = PendingLine{};
    rl_callback_handler_install(prompt.c_str(), OnLine);
    // The keys are read here and handed to readline one key at a time, decoded as the dialogs
    // decode them, so that an Escape is the Escape key unless the rest of a sequence follows
    // it at once; readline would take the next key as a meta key and eat it.
    std::string keys;
    keys.swap(g_typedAhead);
    bool bWaited = false; // the pause after a lone Escape has passed with nothing more
    while (!g_pending.bDone) {
        std::size_t used = 0;
        const Key key = keys.empty() ? Key{KeyKind::Other} : DecodeKey(keys, bWaited, &used);
        if (used > 0) {
            if (key.kind == KeyKind::Escape) {
                g_typedAhead = keys.substr(used); // what follows is for the next question
                AbandonLine();
                return {TerminalLine::End::Escaped, {}};
            }
            for (std::size_t i = 0; i < used; ++i) {
                Feed(keys[i]);
            }
            keys.erase(0, used);
            bWaited = false;
            continue;
        }
        pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0},
                             {InterruptCatcher::WakeDescriptor(), POLLIN, 0}};
        const nfds_t count = watched[1].fd >= 0 ? 2 : 1;
        const int timeout = keys.empty() ? -1 : static_cast<int>(kEscapeSequencePause.count());
        const int ready = ::poll(watched, count, timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            rl_callback_handler_remove();
            EndPromptLine();
            return {TerminalLine::End::Closed, {}};
        }
        if (ready == 0) {
            bWaited = true;
            continue;
        }
        if (count == 2 && (watched[1].revents & POLLIN) && InterruptCatcher::Take()) {
            // The line stays on the screen as typed; the next one starts empty. (Clearing the
            // buffer here would also redraw the line empty.)
            AbandonLine();
            return {TerminalLine::End::Cancelled, {}};
        }
        if (watched[0].revents != 0) {
            char byte = 0;
            const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            if (got <= 0) {
                rl_callback_handler_remove();
                EndPromptLine();
                return {TerminalLine::End::Closed, {}};
            }
            keys += byte;
        }
    }
    g_typedAhead = std::move(keys); // typed after the line's end: the next question's
    if (!g_pending.bGot) {
        EndPromptLine();
        return {TerminalClosed() ? TerminalLine::End::Closed : TerminalLine::End::EndKey, {}};
    }
    return {TerminalLine::End::Entered, std::move(g_pending.text)};
}

} // namespace KestrinTerminalUi
