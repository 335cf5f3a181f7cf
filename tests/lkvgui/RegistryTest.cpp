// Tests of LKVRegistry over its store file: defaults when nothing is stored, values that persist
// across objects and processes, the readable text form, atomic replacement, damaged stores that
// lose only their unreadable lines and are set aside under names of their own, stores behind
// symbolic links, and unwritable stores that fail the write only.
#include "support/TestFolder.h"

#include "LKVRegistry.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr const wchar_t* kKey = L"Software\\Larkvane\\Kestrin for IntelliCAD";

class Registry : public ::testing::Test {
protected:
    Registry()
        : m_store(m_folder.File("config/registry.ini")),
          m_storeGuard("KESTRIN_REGISTRY_FILE", m_store) {}

    static LKVRegistry* Open(LKVRegistry* registry) {
        registry->SetKey(kKey, LKV_REGISTRY_CURRENT_USER);
        return registry;
    }

    // Entries of the store's folder other than the store itself.
    std::vector<std::string> LeftOvers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path() + "/config")) {
            const std::string name = entry.path().filename().string();
            if (name != "registry.ini" && name != "registry.ini.lock") {
                names.push_back(name);
            }
        }
        return names;
    }

    KestrinTest::TestFolder m_folder;
    std::string m_store;
    KestrinTest::ScopedEnvironment m_storeGuard;
};

// Runs body in a child process and returns its exit status.
template <class Body> int InChildProcess(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(Registry, NothingStoredGivesTheDefaults) {
    LKVRegistry registry;
    Open(&registry);
    EXPECT_EQ(registry.ReadInt(L"Surface Type", 0), 0);
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 7), 7);
    EXPECT_EQ(registry.ReadBool(L"Warning", TRUE), TRUE);
    EXPECT_FALSE(std::filesystem::exists(m_store)); // reading makes no file
}

TEST_F(Registry, WrittenValuesAreReadByANewObjectAndStayReadable) {
    {
        LKVRegistry registry;
        Open(&registry);
        EXPECT_TRUE(registry.WriteInt(L"Surface Type", 1));
        EXPECT_TRUE(registry.WriteInt(L"Mesh Type", -1));
        EXPECT_TRUE(registry.WriteBool(L"Warning", 5));
        EXPECT_TRUE(registry.WriteInt(L"Surface Type", 0)); // replaces, keeps its place
    }
    LKVRegistry registry;
    Open(&registry);
    EXPECT_EQ(registry.ReadInt(L"surface type", 9), 0); // names ignore ASCII case
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 9), -1);
    EXPECT_EQ(registry.ReadBool(L"Warning", FALSE), TRUE);
    const std::string text = KestrinTest::ReadFile(m_store);
    EXPECT_NE(text.find("[Software\\Larkvane\\Kestrin for IntelliCAD]\n"
                        "Surface Type=int:0\nMesh Type=int:-1\nWarning=bool:1\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(LeftOvers().empty()); // no temporary file is left behind
}

TEST_F(Registry, KeysAreSeparate) {
    LKVRegistry registry;
    Open(&registry);
    registry.WriteInt(L"Mesh Type", 3);
    LKVRegistry other;
    other.SetKey(L"Software\\Larkvane\\Other", LKV_REGISTRY_CURRENT_USER);
    EXPECT_EQ(other.ReadInt(L"Mesh Type", 0), 0);
    other.WriteInt(L"Mesh Type", 2);
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 0), 3);
}

TEST_F(Registry, TwoProcessesInARowSeeEachOthersValues) {
    EXPECT_EQ(InChildProcess([] {
                  LKVRegistry registry;
                  Open(&registry);
                  return registry.WriteInt(L"Mesh Type", 2) ? 0 : 1;
              }),
              0);
    EXPECT_EQ(InChildProcess([] {
                  LKVRegistry registry;
                  Open(&registry);
                  return registry.ReadInt(L"Mesh Type", 0);
              }),
              2);
}

namespace {

// One store as a user may have left it: two lines in each key's part and two key lines edited
// wrongly, a value out of range, bytes that are not text, values without a key.
constexpr char kDamagedBytes[] = "; hand-edited\n"
                                 "Orphan=int:5\n"
                                 "[Software\\Other Product]\n"
                                 "Colour=int:7\n"
                                 "Colour is red\n"
                                 "[Software\\Larkvane\\Kestrin for IntelliCAD]\n"
                                 "Surface Type=int:1\n"
                                 "Mesh Type=int:99999999999\n"
                                 "Warning=bool:1\n"
                                 "Bytes=int:\xff\xfe\n"
                                 "Nul=int:\0\n"
                                 "[Software\\Unclosed\n"
                                 "Lost=int:3\n"
                                 "[]\n"
                                 "Lost too=int:4\n"
                                 "[Software\\Third]\n"
                                 "Size=int:-4";
const std::string kDamagedStore(kDamagedBytes, sizeof(kDamagedBytes) - 1); // with its NUL

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// registry.ini.damaged-YYYYmmdd-HHMMSS, with -N after it or not.
bool IsCopyName(const std::string& name) {
    const std::string prefix = "registry.ini.damaged-";
    const std::size_t stampLength = 15; // YYYYmmdd-HHMMSS
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() < prefix.size() + stampLength) {
        return false;
    }
    const std::string stamp = name.substr(prefix.size(), stampLength);
    const std::string rest = name.substr(prefix.size() + stampLength);
    return AllDigits(stamp.substr(0, 8)) && stamp[8] == '-' && AllDigits(stamp.substr(9)) &&
           (rest.empty() || (rest[0] == '-' && AllDigits(rest.substr(1))));
}

} // namespace

TEST_F(Registry, LineThatCannotBeReadCostsOnlyItself) {
    KestrinTest::WriteFile(m_store, kDamagedStore);
    LKVRegistry registry;
    Open(&registry);
    LKVRegistry other;
    other.SetKey(L"Software\\Other Product", LKV_REGISTRY_CURRENT_USER);
    LKVRegistry third;
    third.SetKey(L"Software\\Third", LKV_REGISTRY_CURRENT_USER);
    const auto expectKept = [&] {
        EXPECT_EQ(registry.ReadInt(L"Surface Type", 0), 1);
        EXPECT_EQ(registry.ReadBool(L"Warning", FALSE), TRUE);
        EXPECT_EQ(other.ReadInt(L"Colour", 0), 7);
        EXPECT_EQ(third.ReadInt(L"Size", 0), -4);
    };
    expectKept();
    EXPECT_EQ(registry.ReadInt(L"Bytes", 8), 8);
    EXPECT_EQ(registry.ReadInt(L"Nul", 8), 8);

    EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 2));
    expectKept();
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 0), 2);
    const std::string text = KestrinTest::ReadFile(m_store);
    for (const char* gone : {"Orphan", "red", "Bytes", "Nul", "Lost", "Unclosed"}) {
        EXPECT_EQ(text.find(gone), std::string::npos) << gone << " in\n" << text;
    }
    // What could not be read is in the copy set aside, byte for byte.
    const std::vector<std::string> copies = LeftOvers();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(KestrinTest::ReadFile(m_folder.Path() + "/config/" + copies[0]), kDamagedStore);
}

TEST_F(Registry, CopySetAsideNeverReplacesAnEarlierOne) {
    // Earlier copies under every name this write could choose in the next seconds.
    std::vector<std::string> earlier;
    const std::time_t now = std::time(nullptr);
    for (std::time_t second = now; second < now + 3; ++second) {
        std::tm local{};
        ::localtime_r(&second, &local);
        char stamp[32];
        std::strftime(stamp, sizeof(stamp), "%Y%m%d-%H%M%S", &local);
        earlier.push_back("registry.ini.damaged-" + std::string(stamp));
        KestrinTest::WriteFile(m_folder.File("config/" + earlier.back()), "earlier");
    }
    for (const std::string& damage : {std::string("first\n"), std::string("second\n")}) {
        KestrinTest::WriteFile(m_store, damage);
        LKVRegistry registry;
        Open(&registry);
        EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 1));
    }
    std::multiset<std::string> contents;
    for (const std::string& name : LeftOvers()) {
        EXPECT_TRUE(IsCopyName(name)) << name;
        contents.insert(KestrinTest::ReadFile(m_folder.Path() + "/config/" + name));
    }
    EXPECT_EQ(contents,
              (std::multiset<std::string>{"earlier", "earlier", "earlier", "first\n", "second\n"}));
}

TEST_F(Registry, StoreThatCannotBeReadAtAllIsSetAsideWhole) {
    // Too large to be a store: read as empty, kept whole when the next write replaces it.
    const std::string large((1u << 20) + 1, ';');
    KestrinTest::WriteFile(m_store, large);
    LKVRegistry registry;
    Open(&registry);
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 5), 5);
    EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 1));
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 5), 1);
    const std::vector<std::string> copies = LeftOvers();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(KestrinTest::ReadFile(m_folder.Path() + "/config/" + copies[0]), large);

    // A folder where the store belongs is not the library's to move.
    std::filesystem::remove(m_store);
    std::filesystem::create_directory(m_store);
    KestrinTest::WriteFile(m_store + "/mine.txt", "the user's");
    EXPECT_FALSE(registry.WriteInt(L"Mesh Type", 2));
    EXPECT_EQ(KestrinTest::ReadFile(m_store + "/mine.txt"), "the user's");
}

TEST_F(Registry, StoreThatIsASymbolicLinkIsWrittenThroughIt) {
    const std::string target = m_folder.File("dotfiles/kestrin.ini");
    KestrinTest::WriteFile(target, "[Software\\Other Product]\nColour=int:7\n");
    // registry.ini -> middle.ini -> ../dotfiles/kestrin.ini, both relative.
    std::filesystem::create_symlink("middle.ini", m_store);
    std::filesystem::create_symlink("../dotfiles/kestrin.ini", m_folder.File("config/middle.ini"));
    LKVRegistry registry;
    Open(&registry);
    EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 2));
    EXPECT_TRUE(std::filesystem::is_symlink(m_store));
    EXPECT_EQ(std::filesystem::read_symlink(m_store), "middle.ini");
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 0), 2);
    const std::string text = KestrinTest::ReadFile(target);
    EXPECT_NE(text.find("Colour=int:7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Mesh Type=int:2\n"), std::string::npos) << text;

    // A damaged target is set aside beside itself, the link left as it is.
    KestrinTest::WriteFile(target, "damaged\n");
    EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 3));
    EXPECT_TRUE(std::filesystem::is_symlink(m_store));
    std::vector<std::string> dotfiles;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path() + "/dotfiles")) {
        dotfiles.push_back(entry.path().filename().string());
    }
    std::sort(dotfiles.begin(), dotfiles.end());
    ASSERT_EQ(dotfiles.size(), 3u);
    EXPECT_EQ(dotfiles[0], "kestrin.ini");
    EXPECT_EQ(KestrinTest::ReadFile(m_folder.Path() + "/dotfiles/" + dotfiles[1]), "damaged\n");
    EXPECT_EQ(dotfiles[2], "kestrin.ini.lock");
}

TEST_F(Registry, LinkToAFileNotYetThereMakesIt) {
    std::filesystem::create_directories(m_folder.Path() + "/config");
    std::filesystem::create_symlink(m_folder.Path() + "/elsewhere/new.ini", m_store);
    LKVRegistry registry;
    Open(&registry);
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 4), 4);
    EXPECT_TRUE(registry.WriteInt(L"Mesh Type", 1));
    EXPECT_TRUE(std::filesystem::is_symlink(m_store));
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 4), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(m_folder.Path() + "/elsewhere/new.ini"));

    // A link that leads back to itself is no store: reads give the defaults, writes fail.
    std::filesystem::remove(m_store);
    std::filesystem::create_symlink("registry.ini", m_store);
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 4), 4);
    EXPECT_FALSE(registry.WriteInt(L"Mesh Type", 1));
    EXPECT_TRUE(std::filesystem::is_symlink(m_store));
}

TEST_F(Registry, StoreThatCannotBeWrittenFailsTheWriteOnly) {
    KestrinTest::WriteFile(m_folder.File("blocker"), "a file where a folder would have to be");
    const KestrinTest::ScopedEnvironment store("KESTRIN_REGISTRY_FILE",
                                               m_folder.Path() + "/blocker/registry.ini");
    LKVRegistry registry;
    Open(&registry);
    EXPECT_FALSE(registry.WriteInt(L"Mesh Type", 1));
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 4), 4);
}

TEST_F(Registry, UnusableKeysStoresAndNamesAreRefused) {
    LKVRegistry registry;
    EXPECT_FALSE(registry.WriteInt(L"Mesh Type", 1)); // no key selected
    EXPECT_FALSE(registry.SetKey(kKey, 0));
    EXPECT_FALSE(registry.SetKey(L"", LKV_REGISTRY_CURRENT_USER));
    EXPECT_FALSE(registry.SetKey(L"Software\nInjected", LKV_REGISTRY_CURRENT_USER));
    EXPECT_EQ(registry.ReadInt(L"Mesh Type", 6), 6);
    Open(&registry);
    EXPECT_FALSE(registry.WriteInt(L"a=b", 1));
    EXPECT_FALSE(registry.WriteInt(L"line\nbreak", 1));
    EXPECT_FALSE(registry.WriteInt(L"[section]", 1));
    EXPECT_FALSE(registry.WriteInt(nullptr, 1));
    EXPECT_FALSE(std::filesystem::exists(m_store));
}

TEST(RegistryStorePath, FollowsTheConfigHomeWhenNoFileIsNamed) {
    KestrinTest::TestFolder folder;
    const KestrinTest::ScopedEnvironment noFile("KESTRIN_REGISTRY_FILE", "");
    {
        const KestrinTest::ScopedEnvironment config("XDG_CONFIG_HOME", folder.Path());
        EXPECT_EQ(std::wstring(LKVRegistryStorePath().GetString()),
                  std::wstring(folder.Path().begin(), folder.Path().end()) +
                      L"/larkvane/registry.ini");
    }
    const KestrinTest::ScopedEnvironment relative("XDG_CONFIG_HOME", "relative/config");
    const KestrinTest::ScopedEnvironment home("HOME", folder.Path());
    EXPECT_EQ(std::wstring(LKVRegistryStorePath().GetString()),
              std::wstring(folder.Path().begin(), folder.Path().end()) +
                  L"/.config/larkvane/registry.ini");
}
