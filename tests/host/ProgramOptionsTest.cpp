// Kestrin host tests: the program's command line: the three modes, --set, and the import flags
// mapped to the dialog's choices.
#include "Program/OptionParsing.h"

#include <gtest/gtest.h>

#include <vector>

using KestrinApp::MeshChoice;
using KestrinApp::ParseOutcome;
using KestrinApp::ProgramOptions;
using KestrinApp::RunMode;
using KestrinApp::SurfaceChoice;

namespace {

struct Parsed {
    ParseOutcome outcome;
    int exitCode;
    ProgramOptions options;
};

Parsed Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kestrin");
    Parsed parsed{ParseOutcome::Run, -1, {}};
    parsed.outcome = KestrinApp::ParseProgramOptions(static_cast<int>(args.size()), args.data(),
                                                     &parsed.options, &parsed.exitCode);
    return parsed;
}

} // namespace

TEST(ProgramOptions, NoArgumentsIsTheInteractiveSession) {
    const Parsed parsed = Parse({});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    EXPECT_EQ(parsed.options.mode, RunMode::Session);
    EXPECT_TRUE(parsed.options.modulePath.empty());
}

TEST(ProgramOptions, SetIsRepeatableAndSplitsAtTheFirstEquals) {
    const Parsed parsed =
        Parse({"--set", "_VERNUM=10.1", "--set", "NOTE=a=b", "--module", "m.drx"});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    ASSERT_EQ(parsed.options.variables.size(), 2u);
    EXPECT_EQ(parsed.options.variables[0].name, "_VERNUM");
    EXPECT_EQ(parsed.options.variables[0].value, "10.1");
    EXPECT_EQ(parsed.options.variables[1].value, "a=b");
    EXPECT_EQ(parsed.options.modulePath, "m.drx");
}

TEST(ProgramOptions, SetWithoutNameOrEqualsIsRefused) {
    EXPECT_EQ(Parse({"--set", "=10"}).outcome, ParseOutcome::Exit);
    const Parsed parsed = Parse({"--set", "_VERNUM"});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Exit);
    EXPECT_NE(parsed.exitCode, 0);
}

TEST(ProgramOptions, ImportMapsEveryFlagWordToItsDialogChoice) {
    const Parsed parsed = Parse({"import", "part.step", "-o", "part.dxf", "--surfaces", "EDGES",
                                 "--mesh-type", "points", "--warning", "off"});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    const ProgramOptions& options = parsed.options;
    EXPECT_EQ(options.mode, RunMode::Import);
    EXPECT_EQ(options.importFiles, std::vector<std::string>{"part.step"});
    EXPECT_EQ(options.outputFile, "part.dxf");
    EXPECT_EQ(options.choices.surfaces, SurfaceChoice::EdgeCurves);
    EXPECT_EQ(options.choices.meshType, MeshChoice::Points);
    EXPECT_EQ(options.choices.bWarning, false);
}

TEST(ProgramOptions, ImportFlagsLeftOutAreNotChosen) {
    const Parsed parsed = Parse({"import", "part.step", "-o", "part.dxf", "--mesh-type", "faces"});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    EXPECT_FALSE(parsed.options.choices.surfaces.has_value());
    EXPECT_EQ(parsed.options.choices.meshType, MeshChoice::Faces3d);
    EXPECT_FALSE(parsed.options.choices.bWarning.has_value());
}

TEST(ProgramOptions, ImportRefusesUnknownWordsAndMissingOutput) {
    EXPECT_EQ(Parse({"import", "a.step", "-o", "a.dxf", "--mesh-type", "solids"}).outcome,
              ParseOutcome::Exit);
    EXPECT_EQ(Parse({"import", "a.step", "-o", "a.dxf", "--warning", "maybe"}).outcome,
              ParseOutcome::Exit);
    EXPECT_EQ(Parse({"import", "a.step"}).outcome, ParseOutcome::Exit);
}

TEST(ProgramOptions, UsageErrorsExitWithTwoAndPointToTheHelpOfTheirCommand) {
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"--frobnicate"},
          {"import", "a.step"},
          {"import", "a.step", "-o", "a.dxf", "--surfaces", "solids"}}) {
        ::testing::internal::CaptureStderr();
        const Parsed parsed = Parse(args);
        const std::string error = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(parsed.outcome, ParseOutcome::Exit);
        EXPECT_EQ(parsed.exitCode, 2);
        const std::size_t firstEnd = error.find('\n');
        ASSERT_NE(firstEnd, std::string::npos) << error;
        EXPECT_EQ(error.rfind("kestrin: ", 0), 0u) << error;
        const std::string help =
            args[0] == std::string("import") ? "kestrin import --help" : "kestrin --help";
        EXPECT_EQ(error.substr(firstEnd + 1), "Try '" + help + "' for more information.\n");
    }
}

TEST(ProgramOptions, VersionVerboseStoredOptionsAndStandardOutput) {
    EXPECT_EQ(Parse({"--version"}).options.mode, RunMode::Version);
    const Parsed parsed = Parse({"--verbose", "import", "a.step", "-o", "-", "--stored-options"});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    EXPECT_TRUE(parsed.options.bVerbose);
    EXPECT_TRUE(parsed.options.bStoredOptions);
    EXPECT_EQ(parsed.options.outputFile, KestrinApp::kStandardOutputName);
    EXPECT_FALSE(Parse({"import", "a.step", "-o", "a.dxf"}).options.bStoredOptions);
}

TEST(ProgramOptions, HelpExitsWithZero) {
    const Parsed parsed = Parse({"--help"});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Exit);
    EXPECT_EQ(parsed.exitCode, 0);
}

TEST(ProgramOptions, ScriptMustExist) {
    EXPECT_EQ(Parse({"--script", "/no/such/session.scr"}).outcome, ParseOutcome::Exit);
}

TEST(ProgramOptions, ImportTakesManyFilesIntoOneDrawingOrAnOutputFolder) {
    const Parsed one = Parse({"import", "a.step", "lib", "b.stp", "-o", "all.dxf"});
    ASSERT_EQ(one.outcome, ParseOutcome::Run);
    EXPECT_EQ(one.options.importFiles, (std::vector<std::string>{"a.step", "lib", "b.stp"}));
    EXPECT_EQ(one.options.outputFile, "all.dxf");
    EXPECT_TRUE(one.options.outputDir.empty());

    const Parsed folder = Parse({"import", "lib", "--output-dir", "out", "-j", "3", "--recursive"});
    ASSERT_EQ(folder.outcome, ParseOutcome::Run);
    EXPECT_EQ(folder.options.outputDir, "out");
    EXPECT_EQ(folder.options.jobs, 3u);
    EXPECT_TRUE(folder.options.bRecursive);
    EXPECT_EQ(Parse({"import", "lib", "--output-dir", "out"}).options.jobs, 0u);
}

TEST(ProgramOptions, ImportNeedsExactlyOneOutputAndJobsOnlyWithAFolder) {
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"import", "a.step", "b.step"},
             {"import", "a.step", "-o", "a.dxf", "--output-dir", "out"},
             {"import", "a.step", "-o", "a.dxf", "-j", "2"},
             {"import", "a.step", "--output-dir", "out", "-j", "0"},
             {"import", "a.step", "--output-dir", "out", "-j", "two"},
         }) {
        const Parsed parsed = Parse(args);
        EXPECT_EQ(parsed.outcome, ParseOutcome::Exit) << args.size();
        EXPECT_NE(parsed.exitCode, 0);
    }
}
