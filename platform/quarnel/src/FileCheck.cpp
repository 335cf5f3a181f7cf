// Copyright (c) Kestrin developers.
//
// File checks before reading. The signature test looks only at the first bytes: a STEP file starts
// with "ISO-10303-21;" after an optional byte-order mark and white space. Other formats a user may
// pick by mistake are named so that the message can say what the file is. A file whose last bytes
// lack "END-ISO-10303-21;" was cut short: the reader would otherwise translate the part that is
// there and report success.
#include "FileCheck.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {
namespace {

constexpr char kSignature[] = "ISO-10303-21;";
constexpr std::size_t kSignatureLength = sizeof(kSignature) - 1;
constexpr char kEndKeyword[] = "END-ISO-10303-21;";
// A complete file ends with the end keyword, perhaps followed by white space or a comment.
constexpr std::size_t kTailBytes = 4096;
constexpr const char* kFolder = "a folder";
constexpr const char* kTruncated = "truncated";
// Enough for a byte-order mark, some white space and the signature.
constexpr std::size_t kProbeBytes = 512;

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

private:
    int m_fd;
};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// What a file that is not STEP looks like, judged from its first bytes.
std::string DescribeOtherContent(const std::string& head) {
    if (StartsWith(head, "PK\x03\x04")) {
        return "a zip archive";
    }
    if (StartsWith(head, "\x1f\x8b")) {
        return "a gzip-compressed file";
    }
    if (StartsWith(head, "<")) {
        return head.find("10303") != std::string::npos ? "a STEP-XML file" : "an XML file";
    }
    if (head.find('\0') != std::string::npos) {
        return "binary data";
    }
    return "text of another kind";
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Whether the file's last bytes hold the end keyword; false when they cannot be read.
bool HasEndKeyword(int fd, off_t size) {
    const off_t start =
        size > static_cast<off_t>(kTailBytes) ? size - static_cast<off_t>(kTailBytes) : 0;
    std::string tail(static_cast<std::size_t>(size - start), '\0');
    const ssize_t got = ::pread(fd, tail.data(), tail.size(), start);
    if (got <= 0) {
        return false;
    }
    tail.resize(static_cast<std::size_t>(got));
    return UpperCase(tail).find(kEndKeyword) != std::string::npos;
}

bool HasSignature(const std::string& head) {
    std::size_t at = StartsWith(head, "\xEF\xBB\xBF") ? 3 : 0;
    while (at < head.size() && std::isspace(static_cast<unsigned char>(head[at]))) {
        ++at;
    }
    if (head.size() - at < kSignatureLength) {
        return false;
    }
    for (std::size_t i = 0; i < kSignatureLength; ++i) {
        if (std::toupper(static_cast<unsigned char>(head[at + i])) != kSignature[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

ReadStatus CheckStepFile(const std::string& path, std::string* detail) {
    detail->clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == EACCES ? ReadStatus::NoPermission : ReadStatus::FileMissing;
    }
    if (!S_ISREG(info.st_mode)) {
        *detail = S_ISDIR(info.st_mode) ? kFolder : "not a regular file";
        return ReadStatus::NotAFile;
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        return errno == EACCES || errno == EPERM ? ReadStatus::NoPermission
                                                 : ReadStatus::FileMissing;
    }
    std::string head(kProbeBytes, '\0');
    ssize_t got = 0;
    do {
        got = ::read(file.Get(), head.data(), head.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        return ReadStatus::NoPermission;
    }
    if (got == 0) {
        return ReadStatus::EmptyFile;
    }
    head.resize(static_cast<std::size_t>(got));
    if (!HasSignature(head)) {
        *detail = DescribeOtherContent(head);
        return ReadStatus::NotStep;
    }
    if (!HasEndKeyword(file.Get(), info.st_size)) {
        *detail = kTruncated;
        return ReadStatus::Damaged;
    }
    return ReadStatus::Translated;
}

} // namespace quarnel
