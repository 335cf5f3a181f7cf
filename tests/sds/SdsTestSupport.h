// Test support for the host functions stand-in: a scratch folder removed at the end of a test,
// files written into it, and a fixture that starts each test with a fresh host.
#pragma once

#include "KestrinHost/HostServices.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <locale.h>
#include <string>

namespace SdsTest {

/// A new empty folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("kestrin-sds-" + std::string(test->name()) + "-" + name);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    /// Writes bytes into a file of the folder and returns its path.
    std::filesystem::path Write(const std::string& fileName, const std::string& bytes) const {
        const std::filesystem::path file = m_path / std::filesystem::u8path(fileName);
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// The path as the wide string a module hands to the host: its UTF-8 bytes decoded, whatever the
/// process locale (path::wstring follows the "C" locale and fails on non-ASCII names).
inline std::wstring WidePath(const std::filesystem::path& path) {
    const std::string bytes = path.string();
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    EXPECT_NE(utf8, nullptr) << "the C.UTF-8 locale is missing";
    const locale_t previous = uselocale(utf8 != nullptr ? utf8 : LC_GLOBAL_LOCALE);
    std::wstring wide;
    std::mbstate_t state{};
    for (std::size_t i = 0; i < bytes.size();) {
        wchar_t c = 0;
        const std::size_t used = std::mbrtowc(&c, bytes.data() + i, bytes.size() - i, &state);
        if (used == 0 || used > bytes.size() - i) {
            ADD_FAILURE() << "not UTF-8: " << bytes;
            break;
        }
        wide.push_back(c);
        i += used;
    }
    uselocale(previous);
    if (utf8 != nullptr) {
        freelocale(utf8);
    }
    return wide;
}

/// Starts and ends each test with the host as the process starts it.
class FreshHost : public ::testing::Test {
protected:
    void SetUp() override { KestrinHost::Host().Reset(); }
    void TearDown() override { KestrinHost::Host().Reset(); }
};

} // namespace SdsTest
