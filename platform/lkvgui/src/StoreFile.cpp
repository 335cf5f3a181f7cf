// Larkvane GUI library stand-in: reading the store's file, and replacing it atomically.
#include "StoreFile.h"

#include <KestrinWin32/Utf8.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace LkvGui {

namespace {

// No settings store comes near this; anything larger is not one.
constexpr std::size_t kMaxStoreBytes = 1u << 20;
constexpr mode_t kFolderMode = 0700; // settings are the user's own
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kDamagedSuffix = ".damaged";
constexpr const char* kTemporarySuffix = ".tmp.XXXXXX";

// Closes a file descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now, reporting whether the close (the last chance for a write error) succeeded.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd; // -1 for none
};

bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

bool ReadBytes(int fd, std::string* bytes) {
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof(buffer));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        bytes->append(buffer, static_cast<std::size_t>(count));
        if (bytes->size() > kMaxStoreBytes) {
            return false;
        }
    }
}

bool WriteBytes(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

bool IsEscapedByte(wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// Writes the text to a new file beside path and renames it over path.
bool ReplaceAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + kTemporarySuffix;
    FileDescriptor fd(::mkstemp(&temporary[0]));
    if (fd.Get() < 0) {
        return false;
    }
    const bool bWritten = WriteBytes(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close();
    if (!bWritten || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

StoreState ReadStore(const std::string& path, RegistryStore* store) {
    *store = RegistryStore();
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return errno == ENOENT ? StoreState::Missing : StoreState::Damaged;
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || !ReadBytes(fd.Get(), &bytes)) {
        return StoreState::Damaged;
    }
    const std::wstring text = KestrinWin32::FromUtf8(bytes);
    for (const wchar_t c : text) {
        if (IsEscapedByte(c) || c == L'\0') {
            return StoreState::Damaged;
        }
    }
    return RegistryStore::FromText(text, store) ? StoreState::Loaded : StoreState::Damaged;
}

bool UpdateStore(const std::string& path, const std::function<void(RegistryStore*)>& change) {
    if (path.empty() || !MakeFolders(path)) {
        return false;
    }
    const std::string lockPath = path + kLockSuffix;
    FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX) != 0) {
        return false;
    }
    RegistryStore store;
    if (ReadStore(path, &store) == StoreState::Damaged) {
        const std::string damaged = path + kDamagedSuffix;
        if (std::rename(path.c_str(), damaged.c_str()) != 0) {
            return false;
        }
    }
    change(&store);
    return ReplaceAtomically(path, KestrinWin32::ToUtf8(store.ToText()));
}

} // namespace LkvGui
