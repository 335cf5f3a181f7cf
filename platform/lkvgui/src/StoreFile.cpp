// Larkvane GUI library stand-in: reading the store's file, and replacing it atomically. A copy set
// aside is a hard link to the old file: making one never replaces an existing name, and the store
// stays in place, whole, until the new file is renamed over it.
#include "StoreFile.h"

#include <KestrinPosix/FileNameText.h>
#include <KestrinPosix/UniqueFd.h>
#include <KestrinPosix/WriteAll.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <vector>

namespace LkvGui {

namespace {

// No settings store comes near this; anything larger is not one.
constexpr std::size_t kMaxStoreBytes = 1u << 20;
constexpr mode_t kFolderMode = 0700; // settings are the user's own
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kDamagedSuffix = ".damaged-";
constexpr const char* kTimeStampFormat = "%Y%m%d-%H%M%S";
// Copies set aside within one second; far more than a store is ever damaged in one.
constexpr int kMaxCopiesPerSecond = 1000;
// As many links in a row as the system itself follows (its ELOOP limit).
constexpr int kMaxLinkHops = 40;
constexpr const char* kTemporarySuffix = ".tmp.XXXXXX";

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

// The file that path stands for: path itself, or where its chain of symbolic links ends (which
// need not exist yet). False for a chain that does not end.
bool FollowLinks(const std::string& path, std::string* file) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            *file = current;
            return true;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) == target.size()) {
            return false;
        }
        target.resize(static_cast<std::size_t>(length));
        // A relative target is relative to the folder of the link.
        current = target[0] == '/' ? target : current.substr(0, current.rfind('/') + 1) + target;
    }
    return false;
}

// Keeps the file at path also under a name of its own: path + ".damaged-" + the local time, and a
// counter when that is taken.
bool SetAside(const std::string& path) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32];
    if (::localtime_r(&now, &local) == nullptr ||
        std::strftime(stamp, sizeof(stamp), kTimeStampFormat, &local) == 0) {
        return false;
    }
    const std::string name = path + kDamagedSuffix + stamp;
    for (int copy = 1; copy <= kMaxCopiesPerSecond; ++copy) {
        const std::string candidate = copy == 1 ? name : name + "-" + std::to_string(copy);
        if (::link(path.c_str(), candidate.c_str()) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// Writes the text to a new file beside path and renames it over path, setting the old file aside
// first when asked.
bool ReplaceAtomically(const std::string& path, const std::string& bytes, bool bSetAsideOld) {
    std::string temporary = path + kTemporarySuffix;
    kposix::UniqueFd fd(::mkstemp(&temporary[0]));
    if (fd.Get() < 0) {
        return false;
    }
    const bool bWritten = kposix::WriteAll(fd.Get(), bytes.data(), bytes.size()) == 0 &&
                          ::fsync(fd.Get()) == 0 && fd.Close();
    if (!bWritten || (bSetAsideOld && !SetAside(path)) ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

StoreState ReadStore(const std::string& path, RegistryStore* store) {
    *store = RegistryStore();
    // Non-blocking, so that a pipe put where the store belongs cannot hang the reader.
    kposix::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        return errno == ENOENT ? StoreState::Missing : StoreState::Unreadable;
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || !ReadBytes(fd.Get(), &bytes)) {
        return StoreState::Unreadable;
    }
    std::size_t unreadableLines = 0;
    *store = RegistryStore::FromText(kposix::FromUtf8(bytes), &unreadableLines);
    return unreadableLines == 0 ? StoreState::Loaded : StoreState::Damaged;
}

bool UpdateStore(const std::string& path, const std::function<void(RegistryStore*)>& change) {
    std::string file;
    if (path.empty() || !FollowLinks(path, &file) || !MakeFolders(file)) {
        return false;
    }
    const std::string lockPath = file + kLockSuffix;
    kposix::UniqueFd lock(
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX) != 0) {
        return false;
    }
    RegistryStore store;
    const StoreState state = ReadStore(file, &store);
    change(&store);
    return ReplaceAtomically(file, kposix::ToUtf8(store.ToText()),
                             state == StoreState::Damaged || state == StoreState::Unreadable);
}

} // namespace LkvGui
