// Kestrin host program: the run's folder and its settings store.
#include "Runs/RunFolder.h"

#include "Session/WideText.h"

#include "LKVRegistry.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <unistd.h>

namespace KestrinApp {

namespace {

constexpr const char* kStoreVariable = "KESTRIN_REGISTRY_FILE";
constexpr const char* kStoreFileName = "settings.ini";

} // namespace

RunFolder::RunFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "kestrin-run-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) { // mode 0700
        throw std::filesystem::filesystem_error("cannot make a temporary folder", name,
                                                std::error_code(errno, std::generic_category()));
    }
    m_path = name;
}

RunFolder::~RunFolder() {
    std::error_code ignored; // nothing more can be done about a folder that will not go
    std::filesystem::remove_all(m_path, ignored);
}

RunSettingsStore::RunSettingsStore(const RunFolder& folder, bool bFromStored) {
    const std::string userStore = ToUtf8(LKVRegistryStorePath().GetString());
    if (const char* previous = std::getenv(kStoreVariable)) {
        m_bHadVariable = true;
        m_previous = previous;
    }
    const std::filesystem::path runStore = folder.Path() / kStoreFileName;
    if (bFromStored && !userStore.empty()) {
        std::error_code error;
        std::filesystem::copy_file(userStore, runStore, error);
        // Only a store that is not there yet means "start from the defaults"; one that cannot
        // be read must not pass for the options asked for.
        if (error && error != std::errc::no_such_file_or_directory) {
            throw std::filesystem::filesystem_error("the stored options cannot be read", userStore,
                                                    error);
        }
    }
    ::setenv(kStoreVariable, runStore.c_str(), 1);
}

RunSettingsStore::~RunSettingsStore() {
    if (m_bHadVariable) {
        ::setenv(kStoreVariable, m_previous.c_str(), 1);
    } else {
        ::unsetenv(kStoreVariable);
    }
}

} // namespace KestrinApp
