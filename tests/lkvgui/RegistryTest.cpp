// Tests of LKVRegistry over its store file: defaults when nothing is stored, values that persist
// across objects and processes, the readable text form, atomic replacement, and damaged or
// unwritable stores read as empty without failing the caller.
#include "support/TestFolder.h"

#include "LKVRegistry.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
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

TEST_F(Registry, DamagedStoreReadsAsEmptyAndIsSetAsideOnTheNextWrite) {
    for (const std::string& damage :
         {std::string("[Software\\Larkvane\\Kestrin for IntelliCAD]\nMesh Type=int:2\nWarn"),
          std::string("Mesh Type=int:2\n"), std::string("\x89PNG\r\n\x1a\n\0\0", 10),
          std::string("[Software\\Larkvane\\Kestrin for IntelliCAD]\nMesh Type=int:99999999999\n")}) {
        KestrinTest::WriteFile(m_store, damage);
        LKVRegistry registry;
        Open(&registry);
        EXPECT_EQ(registry.ReadInt(L"Mesh Type", 0), 0);
    }
    LKVRegistry registry;
    Open(&registry);
    EXPECT_TRUE(registry.WriteInt(L"Surface Type", 1));
    EXPECT_EQ(registry.ReadInt(L"Surface Type", 0), 1);
    EXPECT_EQ(KestrinTest::ReadFile(m_store + ".damaged"),
              "[Software\\Larkvane\\Kestrin for IntelliCAD]\nMesh Type=int:99999999999\n");
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
