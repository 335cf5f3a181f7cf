// Kestrin drawing toolkit.
// AtomicFile: temporary file, fsync, rename, fsync of the folder. The new file gets the
// permissions an ordinary new file would (or those of the file it replaces).
#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kTempSuffix[] = ".XXXXXX";
constexpr mode_t kNewFileMode = 0666; // before the process's umask

OdResult ResultOfErrno(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return eFileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return eFileAccessErr;
    case ENOSPC:
    case EDQUOT:
        return eDiskFull;
    default:
        return eFileWriteError;
    }
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t ModeForNewFile(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
}

} // namespace

AtomicFile::~AtomicFile() {
    discard();
}

OdResult AtomicFile::fail(int errorNumber, const char* what) {
    m_reason.format(L"%hs %hs: %hs", what, m_path.c_str(), std::strerror(errorNumber));
    discard();
    return ResultOfErrno(errorNumber);
}

OdResult AtomicFile::open(const std::string& path) {
    m_path = path;
    if (path.empty() || path.back() == '/') {
        return fail(ENOENT, "cannot save to");
    }
    m_tempPath = path + kTempSuffix;
    std::vector<char> name(m_tempPath.begin(), m_tempPath.end());
    name.push_back('\0');
    m_fd.Reset(::mkstemp(name.data()));
    if (!m_fd.IsOpen()) {
        const int errorNumber = errno;
        m_tempPath.clear();
        return fail(errorNumber, "cannot create a file beside");
    }
    m_tempPath.assign(name.data());
    if (::fchmod(m_fd.Get(), ModeForNewFile(path)) != 0) {
        return fail(errno, "cannot set the permissions of");
    }
    return eOk;
}

OdResult AtomicFile::commit() {
    if (::fsync(m_fd.Get()) != 0) {
        return fail(errno, "cannot flush");
    }
    if (!m_fd.Close()) {
        return fail(errno, "cannot close");
    }
    if (::rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
        return fail(errno, "cannot replace");
    }
    m_tempPath.clear();
    // Make the rename itself durable; a folder that cannot be synced does not undo the save.
    const kposix::UniqueFd folder(::open(FolderOf(m_path).c_str(), O_RDONLY | O_DIRECTORY));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
    return eOk;
}

void AtomicFile::discard() {
    m_fd.Reset();
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}
