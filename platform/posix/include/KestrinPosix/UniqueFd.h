// Copyright (c) Kestrin developers.
//
// UniqueFd: the one owner of a file descriptor. It closes what it holds when it goes or is reset;
// it can be moved but not copied. -1 means "holds nothing". MakePipe gives both ends of a pipe,
// close-on-exec, each owned.
#pragma once

namespace kposix {

class UniqueFd {
public:
    UniqueFd() = default;
    /* Parameters:
         fd - [in] a descriptor the object now owns, or -1.
    */
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }

    /* Description:
         Closes what the object holds and takes fd instead (-1: holds nothing).
    */
    void Reset(int fd = -1);

    /* Description:
         Closes the descriptor now.
       Returns:
         Whether close() succeeded: for a file just written, the last chance to hear of a write
         error. The object holds nothing afterwards either way.
    */
    bool Close();

    /* Description:
         Gives up ownership without closing.
       Returns:
         The descriptor held, or -1.
    */
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd = -1; // owned, or -1
};

/* Description:
     Makes a pipe whose ends are close-on-exec and numbered minimumFd or above.
   Parameters:
     readEnd - [out] the end to read from.
     writeEnd - [out] the end to write to.
     minimumFd - [in] the lowest number either end may have: a child's set-up that moves
       descriptors onto the numbers below it never finds a pipe end already there.
     flags - [in] further pipe2() flags (O_NONBLOCK).
   Returns:
     true when both ends are open; on false both are closed and errno tells why.
*/
bool MakePipe(UniqueFd* readEnd, UniqueFd* writeEnd, int minimumFd = 0, int flags = 0);

} // namespace kposix
