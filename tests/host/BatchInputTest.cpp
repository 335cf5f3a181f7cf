// Kestrin host tests: what a run over many files imports and the drawings it saves: folders
// listed by the STEP extensions in any case, in name order, subfolders only on request, folders
// with nothing to import refused; one drawing name per file, collisions named; the single-file
// command line that each file's process gets, and the outcome it reports back.
#include "Batch/InputFiles.h"
#include "Batch/SingleImportArguments.h"
#include "Program/OptionParsing.h"
#include "Runs/ImportOutcome.h"
#include "Session/WideText.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using KestrinApp::ListInputFiles;
using KestrinApp::OutputPathsFor;
using KestrinTest::TestFolder;
using KestrinTest::WriteFile;
using Strings = std::vector<std::string>;

namespace {

// A folder of STEP files under other names and kinds: two parts at the top (one in capitals),
// a text file, a folder whose name looks like a STEP file, and a subfolder with one part.
struct PartsLibrary {
    PartsLibrary() {
        for (const char* name : {"b.step", "A.STP", "notes.txt", "sub/c.Step"}) {
            WriteFile(folder.File(name), "ISO-10303-21;");
        }
        std::filesystem::create_directories(folder.File("looks-like.stp"));
    }
    std::string Path(const std::string& name) const { return folder.Path() + "/" + name; }
    TestFolder folder;
};

Strings List(const Strings& arguments, bool bRecursive) {
    std::vector<KestrinApp::InputFile> files;
    std::string message;
    EXPECT_TRUE(ListInputFiles(arguments, bRecursive, &files, &message)) << message;
    return KestrinApp::PathsOf(files);
}

// The drawings of files given as arguments of their own.
bool OutputPathsOfFiles(const Strings& files, const std::string& outputDir, Strings* outputs,
                        Strings* collisions) {
    std::vector<KestrinApp::InputFile> inputs;
    for (const std::string& file : files) {
        inputs.push_back({file, std::filesystem::path(file).filename().string()});
    }
    return OutputPathsFor(inputs, outputDir, outputs, collisions);
}

} // namespace

TEST(InputFiles, FolderStandsForItsStepFilesInNameOrder) {
    const PartsLibrary library;
    EXPECT_EQ(List({library.folder.Path()}, false),
              (Strings{library.Path("A.STP"), library.Path("b.step")}));
}

TEST(InputFiles, RecursiveTakesSubfoldersToo) {
    const PartsLibrary library;
    EXPECT_EQ(List({library.folder.Path()}, true),
              (Strings{library.Path("A.STP"), library.Path("b.step"), library.Path("sub/c.Step")}));
}

TEST(InputFiles, FilesStayInTheOrderGivenAroundFolders) {
    const PartsLibrary library;
    EXPECT_EQ(List({"z.step", library.Path("sub"), "missing.stp"}, false),
              (Strings{"z.step", library.Path("sub/c.Step"), "missing.stp"}));
}

TEST(InputFiles, FolderWithoutStepFilesIsRefusedByName) {
    const TestFolder folder;
    WriteFile(folder.File("empty/readme.txt"), "no parts");
    std::vector<KestrinApp::InputFile> files;
    std::string error;
    EXPECT_FALSE(ListInputFiles({"a.step", folder.File("empty")}, false, &files, &error));
    EXPECT_NE(error.find(folder.File("empty") + " holds no STEP files"), std::string::npos);
    // Its subfolders do not count unless asked for.
    WriteFile(folder.File("empty/deeper/d.stp"), "ISO-10303-21;");
    EXPECT_FALSE(ListInputFiles({folder.File("empty")}, false, &files, &error));
    EXPECT_EQ(List({folder.File("empty")}, true), Strings{folder.File("empty/deeper/d.stp")});
}

// A missing folder was taken for a bare file name ("nonexist/.stp does not exist").
TEST(InputFiles, MissingFolderIsRefusedAndFilesReachedTwiceAreListedOnce) {
    const PartsLibrary library;
    std::vector<KestrinApp::InputFile> files;
    std::string error;
    EXPECT_FALSE(ListInputFiles({library.Path("gone/")}, false, &files, &error));
    EXPECT_EQ(error, "the folder " + library.Path("gone/") + " does not exist");
    EXPECT_EQ(List({library.Path("b.step"), library.folder.Path(), library.Path("./A.STP"),
                    "missing.stp", "./missing.stp"},
                   false),
              (Strings{library.Path("b.step"), library.Path("A.STP"), "missing.stp"}));
}

TEST(OutputPaths, RecursiveFoldersAreMirrored) {
    const PartsLibrary library;
    std::vector<KestrinApp::InputFile> files;
    std::string error;
    ASSERT_TRUE(ListInputFiles({library.folder.Path() + "/", "sub/c.step"}, true, &files, &error));
    Strings outputs;
    Strings collisions;
    EXPECT_TRUE(OutputPathsFor(files, "out", &outputs, &collisions));
    EXPECT_EQ(outputs, (Strings{"out/A.dxf", "out/b.dxf", "out/sub/c.dxf", "out/c.dxf"}));
}

TEST(OutputPaths, EachFileGetsItsStemWithDxf) {
    Strings outputs;
    Strings collisions;
    EXPECT_TRUE(OutputPathsOfFiles({"lib/bracket.step", "flange.v2.STP", "plain"}, "out", &outputs,
                                   &collisions));
    EXPECT_EQ(outputs, (Strings{"out/bracket.dxf", "out/flange.v2.dxf", "out/plain.dxf"}));
    EXPECT_TRUE(collisions.empty());
}

TEST(OutputPaths, CollisionsNameEveryFileOfTheName) {
    Strings outputs;
    Strings collisions;
    EXPECT_FALSE(OutputPathsOfFiles(
        {"a/part.step", "b/part.stp", "c/part.step", "other.step", "other.step", "Part.step"},
        "out", &outputs, &collisions));
    EXPECT_EQ(collisions,
              (Strings{"other.step and other.step would be saved under the one name out/other.dxf",
                       "a/part.step, b/part.stp and c/part.step would be saved under the one name "
                       "out/part.dxf"}));
}

TEST(SingleImportArguments, ChildParsesToTheRunsOptionsForOneFile) {
    std::vector<const char*> argv = {
        "kestrin",   "--module",  "m.drx",      "--set",        "_VERNUM=10.1",
        "--verbose", "import",    "lib",        "--output-dir", "out",
        "-j",        "3",         "--surfaces", "edges",        "--mesh-type",
        "lines",     "--warning", "off",        "--recursive",  "--stored-options"};
    KestrinApp::ProgramOptions run;
    int exitCode = 0;
    ASSERT_EQ(KestrinApp::ParseProgramOptions(static_cast<int>(argv.size()), argv.data(), &run,
                                              &exitCode),
              KestrinApp::ParseOutcome::Run);

    // A file name that starts with '-' is still the file.
    const Strings arguments =
        KestrinApp::SingleImportArguments(run, "-odd.step", "out/-odd.dxf", 3);
    std::vector<const char*> childArgv = {"kestrin"};
    for (const std::string& argument : arguments) {
        childArgv.push_back(argument.c_str());
    }
    KestrinApp::ProgramOptions child;
    ASSERT_EQ(KestrinApp::ParseProgramOptions(static_cast<int>(childArgv.size()), childArgv.data(),
                                              &child, &exitCode),
              KestrinApp::ParseOutcome::Run);
    EXPECT_EQ(child.mode, KestrinApp::RunMode::Import);
    EXPECT_EQ(child.importFiles, Strings{"-odd.step"});
    EXPECT_EQ(child.outputFile, "out/-odd.dxf");
    EXPECT_TRUE(child.outputDir.empty());
    EXPECT_FALSE(child.bProgress);
    EXPECT_EQ(child.modulePath, "m.drx");
    ASSERT_EQ(child.variables.size(), 1u);
    EXPECT_EQ(child.variables[0].name, "_VERNUM");
    EXPECT_EQ(child.variables[0].value, "10.1");
    EXPECT_EQ(child.choices.surfaces, run.choices.surfaces);
    EXPECT_EQ(child.choices.meshType, run.choices.meshType);
    EXPECT_EQ(child.choices.bWarning, run.choices.bWarning);
    EXPECT_TRUE(child.bVerbose);
    EXPECT_TRUE(child.bStoredOptions);
    EXPECT_EQ(child.reportFd, 3);
}

TEST(SingleImportArguments, FlagsLeftOutStayLeftOut) {
    KestrinApp::ProgramOptions run;
    run.choices.meshType = KestrinApp::MeshChoice::Faces3d;
    EXPECT_EQ(KestrinApp::SingleImportArguments(run, "a.step", "out/a.dxf", 3),
              (Strings{"import", "-o", "out/a.dxf", "--no-progress", "--report-fd", "3",
                       "--mesh-type", "faces", "--", "a.step"}));
}

TEST(ImportOutcome, OnlyTheWholeSuccessLineCountsAndReportsReadBack) {
    using KestrinApp::ImportedObjectCount;
    EXPECT_EQ(ImportedObjectCount(L"Successfully imported 12 objects"), 12u);
    EXPECT_EQ(ImportedObjectCount(L"Successfully imported 0 objects"), 0u);
    for (const wchar_t* other :
         {L"The file /x/Successfully imported 3 objects.step does not exist",
          L"Successfully imported 3 objects.step", L" Successfully imported 3 objects",
          L"Successfully imported objects", L"Successfully imported -1 objects",
          L"Successfully imported +1 objects", L"Successfully imported \u0661 objects",
          L"Successfully imported 99999999999999999999999 objects"}) {
        EXPECT_FALSE(ImportedObjectCount(other)) << KestrinApp::ToUtf8(other);
    }

    using KestrinApp::ImportOutcome;
    using KestrinApp::ParseReportLine;
    using KestrinApp::ReportLine;
    const auto readBack = [](const ImportOutcome& outcome) {
        std::string line = ReportLine(outcome);
        EXPECT_EQ(line.back(), '\n');
        line.pop_back();
        EXPECT_EQ(line.find('\n'), std::string::npos);
        return ParseReportLine(line);
    };
    const std::optional<ImportOutcome> imported = readBack({true, 7, std::string()});
    ASSERT_TRUE(imported);
    EXPECT_TRUE(imported->bImported);
    EXPECT_EQ(imported->count, 7u);
    const std::optional<ImportOutcome> failed =
        readBack({false, 0, "Failure [two\nlines, imported 3]"});
    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->bImported);
    EXPECT_EQ(failed->reason, "Failure [two lines, imported 3]");
    EXPECT_FALSE(ParseReportLine("imported"));
    EXPECT_FALSE(ParseReportLine("imported 3 objects"));
    EXPECT_FALSE(ParseReportLine("kestrin: a.step was not imported: Failure [x]"));
}
