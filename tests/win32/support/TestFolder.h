// Test support shared by the Windows, MFC and GUI library tests: a fresh folder that is removed
// with everything in it when the test ends, and small file helpers. Paths are UTF-8.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace KestrinTest {

/// A temporary folder for one test.
class TestFolder {
public:
    TestFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/kestrin-test-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!::mkdtemp(buffer.data())) {
            throw std::runtime_error("cannot make a test folder");
        }
        m_path = buffer.data();
    }
    ~TestFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }

    /// The path of name inside the folder (sub-folders are made).
    std::string File(const std::string& name) const {
        const std::string path = m_path + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        return path;
    }

private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Sets an environment variable for the lifetime of the guard, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value) : m_name(std::move(name)) {
        const char* previous = std::getenv(m_name.c_str());
        m_bHadValue = previous != nullptr;
        m_previous = previous ? previous : "";
        ::setenv(m_name.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (m_bHadValue) {
            ::setenv(m_name.c_str(), m_previous.c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::string m_previous;
    bool m_bHadValue;
};

} // namespace KestrinTest
