// Kestrin terminal UI: keys read from the terminal one at a time, with its line editing and echo
// switched off while a dialog or box is shown. Arrow keys and Shift+Tab arrive as escape
// sequences; a lone Escape is told from the start of a sequence by the pause after it.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include <memory>
#include <termios.h>

namespace kposix {
class SignalCatcher;
}

namespace KestrinTerminalUi {

enum class KeyKind : std::uint8_t {
    Tab,
    BackTab, // Shift+Tab
    Up,
    Down,
    Left,
    Right,
    Space,
    Enter,
    Escape,
    Character,  // any other printable character: Key::character
    Interrupt,  // Ctrl+C
    EndOfInput, // the terminal closed, or Ctrl+D
    Resize,     // the terminal window changed its size (while a ResizeWatch is active)
    Other,      // a sequence or control character with no meaning here
};

struct Key {
    KeyKind kind;
    char character = 0; // KeyKind::Character only
};

/// How long to wait after Escape for the rest of a sequence.
constexpr std::chrono::milliseconds kEscapeSequencePause{50};

/*
Description:
  Decodes the first key of some bytes.
Parameters:
  bytes         - [in] what the terminal sent.
  bComplete     - [in] true when no more bytes follow at once (a lone Escape is then a key).
  used          - [out] how many bytes the key took; 0 when more bytes are needed.
Returns:
  The key; meaningful only when *used > 0.
*/
Key DecodeKey(const std::string& bytes, bool bComplete, std::size_t* used);

/// Puts a terminal into raw key mode for the object's lifetime; no effect on a non-terminal. Keys
/// typed ahead, before the mode begins or after the last one read, stay for the next reader.
class RawKeyMode {
public:
    explicit RawKeyMode(int fd);
    ~RawKeyMode();
    RawKeyMode(const RawKeyMode&) = delete;
    RawKeyMode& operator=(const RawKeyMode&) = delete;

private:
    int m_fd;
    bool m_bActive = false;
    termios m_saved{};
};

/// Makes a change of the terminal's size interrupt KeyReader::Next() (as KeyKind::Resize) for
/// the object's lifetime; the previous handling of the signal is put back after.
class ResizeWatch {
public:
    ResizeWatch();
    ~ResizeWatch();
    ResizeWatch(const ResizeWatch&) = delete;
    ResizeWatch& operator=(const ResizeWatch&) = delete;

private:
    std::unique_ptr<kposix::SignalCatcher> m_pCatcher;
};

/// The size of the terminal behind fd; {0, 0} when it is no terminal.
struct TerminalSize {
    int columns;
    int rows;
};
TerminalSize SizeOfTerminal(int fd);

/// Reads keys from a terminal (in raw key mode); bytes after a key wait for the next call, and
/// those read but not taken when the reader goes are queued for the next line question.
class KeyReader {
public:
    explicit KeyReader(int fd) : m_fd(fd) {}
    ~KeyReader();
    KeyReader(const KeyReader&) = delete;
    KeyReader& operator=(const KeyReader&) = delete;

    /// The next key; blocks until one is typed.
    Key Next();

private:
    int m_fd;
    std::string m_pending; // bytes read but not decoded yet
};

} // namespace KestrinTerminalUi
