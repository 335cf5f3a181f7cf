// Kestrin toolkit tests: the fixture of the tests that save DXF files: a scratch folder of the
// test's own, and the read-back by the independent reader (check_dxf.py over ezdxf).
#pragma once

#include "DbDxfWriter.h"
#include "DxfTestDrawing.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace toolkit_test {

class DxfFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   fmt::format("kestrin-dxf-{}-{}", ::getpid(),
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string path(const char* name) const { return (m_folder / name).string(); }

    // Saves the drawing and has the independent reader compare it with the JSON description.
    void ExpectReadsBack(const DxfTestDrawing& drawing) {
        const std::string dxf = path("drawing.dxf");
        const OdDbDxfSaveStatus status = odDbSaveAsDxf(*drawing.database(), dxf);
        ASSERT_TRUE(status.ok()) << odStringToUtf8(status.reason);
        const std::string expected = path("expected.json");
        std::ofstream(expected) << drawing.json();
        const std::string command =
            fmt::format("{} {} {} {} 2>&1", KESTRIN_PYTHON, KESTRIN_DXF_CHECKER, dxf, expected);
        std::string output;
        FILE* pPipe = ::popen(command.c_str(), "r");
        ASSERT_NE(pPipe, nullptr);
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pPipe)) {
            output += buffer;
        }
        EXPECT_EQ(::pclose(pPipe), 0) << output;
    }

    std::filesystem::path m_folder;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace toolkit_test
