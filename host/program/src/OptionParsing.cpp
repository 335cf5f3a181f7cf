// Kestrin host program: the program's command line, read with CLI11. The import flags take the
// same words as the dialog's own entries; a flag left out keeps the value the run starts from
// (the documented default, or the stored setting with --stored-options). A usage error is one
// line on standard error with a pointer to --help, and exit status 2, as shell users expect.
#include "Program/OptionParsing.h"

#include "Session/FailureReport.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace KestrinApp {

namespace {

constexpr const char* kDescription =
    "Kestrin host: loads the Kestrin STEP import module and runs CAD commands on one drawing.\n"
    "  kestrin                                  interactive command line (\"Command: \" prompt)\n"
    "  kestrin --script FILE.scr                runs a script of commands and dialog answers\n"
    "  kestrin import FILE... -o OUT.dxf        imports STEP files into one DXF drawing\n"
    "  kestrin import FILE... --output-dir DIR  imports each STEP file into DIR/NAME.dxf\n"
    "  kestrin --version                        the program's and the module's versions\n"
    "Commands: Kestrin, KestrinHelp, KestrinAbout (the module), SAVEAS file.dxf, QSAVE, NEW,\n"
    "CLOSE, STATUS, ZOOM, MENU, HELP, QUIT, MENULOAD file.mnu (the host). Names are\n"
    "case-insensitive; a leading '_' or '.' is allowed. Dialogs are shown in the terminal when\n"
    "standard input is one, and answered from the script (or piped input) otherwise.";

constexpr int kUsageExitCode = 2;

// The one-line reason of a usage error, and where to read more.
int ReportUsageError(const CLI::ParseError& error, const CLI::App* pSubcommand) {
    std::string reason = error.what();
    for (char& c : reason) {
        if (c == '\n') {
            c = ' ';
        }
    }
    const std::string help = pSubcommand ? "kestrin " + pSubcommand->get_name() + " --help"
                                         : std::string("kestrin --help");
    ReportFailure(reason);
    std::cerr << "Try '" << help << "' for more information.\n";
    return kUsageExitCode;
}

} // namespace

const char* ScriptFormatHelp() {
    return "Scripts (--script FILE.scr, or lines piped to standard input):\n"
           "  One command per line, typed as at the \"Command: \" prompt. Lines starting with ';'\n"
           "  are comments; blank lines are skipped. A command that asks for a value (SAVEAS\n"
           "  without a file name) takes the next line. Dialog answers are lines \"KIND: ANSWER\"\n"
           "  right after the command whose dialogs they answer, in the order the dialogs come:\n"
           "    file: PATH        the open-file dialog's file name (\"file: cancel\" cancels;\n"
           "                      write ./cancel for a file of that name)\n"
           "    options: [surfaces=mesh|edges] [mesh-type=polyface|faces|lines|points]\n"
           "             [warning=on|off] [ok|cancel]\n"
           "                      the import options dialog: the choices named, then OK\n"
           "                      (or Cancel); the others stay as the dialog shows them\n"
           "    dialog: ACTION, ACTION, ...   any dialog, by control id: click ID,\n"
           "                      select ID INDEX, ok, cancel\n"
           "    message: ok|cancel|yes|no|abort|retry|ignore|try again|continue\n"
           "                      a message box's button\n"
           "    about: ok         closes the about box\n"
           "  A message box or about box with only an OK button needs no answer. A dialog with\n"
           "  no answer left is cancelled, and a question (\"Save changes?\", \"replace it?\")\n"
           "  gets No or Cancel; the command line says so, the command takes no more lines as\n"
           "  answers, and any answer that no dialog took is named. So a QUIT left unanswered\n"
           "  with the drawing changed is cancelled: the script goes on, and its end says what\n"
           "  was not saved (exit status 1).\n";
}

ParseOutcome ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options,
                                 int* exitCode) {
    ProgramOptions parsed;
    CLI::App app(kDescription, "kestrin");
    app.footer(ScriptFormatHelp());
    app.option_defaults()->always_capture_default();

    app.add_option("--module", parsed.modulePath,
                   "The module file to load (default: Kestrin_Bricscad_2.05_8.drx beside the "
                   "program, or in the private library folder of its installed tree)")
        ->type_name("PATH");
    bool bVersion = false;
    app.add_flag("--version", bVersion, "Shows the program's and the module's versions and exits");
    app.add_flag("--verbose", parsed.bVerbose,
                 "Shows dialogs and message boxes in full: control ids, owner windows, styles");
    std::vector<std::string> settings;
    app.add_option("--set", settings,
                   "Sets a host system variable before the module starts, e.g. --set "
                   "_VERNUM=10.1 (repeatable)")
        ->default_str("")
        ->check(CLI::Validator(
            [](std::string& value) {
                const std::size_t equals = value.find('=');
                return equals == std::string::npos || equals == 0
                           ? std::string("expected NAME=VALUE")
                           : std::string();
            },
            std::string())) // no name: the help shows the type name alone
        ->type_name("NAME=VALUE");
    CLI::Option* pScript =
        app.add_option("--script", parsed.scriptPath,
                       "Runs the commands and dialog answers of a script file, then ends")
            ->type_name("FILE.scr")
            ->check(CLI::Validator(CLI::ExistingFile).description(std::string()));

    CLI::App* pImport = app.add_subcommand(
        "import", "Imports STEP files through the Kestrin command and saves DXF drawings: every "
                  "file into the one drawing of -o, in the order given, or each file into a "
                  "drawing of its own in --output-dir. Exit status 0 only when every file was "
                  "imported (the command line reports \"Successfully imported\").");
    pImport->footer(
        "Each run starts from the defaults (surfaces as meshes, polyface meshes, warning on) and\n"
        "takes the flags on top; the options stored by interactive imports are neither used nor\n"
        "changed, unless --stored-options is given (they are then the start, and still not\n"
        "changed). Exit status: 0 every file imported and saved, 1 not every file imported, 2 bad "
        "command line,\n"
        "3 the module did not load, 4 not saved, 130 interrupted. The program's own options\n"
        "(--module, --set, --verbose, --version) may also be given after import.");
    // The program's options are taken after "import" as well: a name the import does not know
    // is tried as one of them.
    pImport->fallthrough();
    pImport
        ->add_option("FILE", parsed.importFiles,
                     "STEP files (*.stp, *.step), or folders: the STEP files in them")
        ->type_name("")
        ->default_str("")
        ->required();
    CLI::Option* pOutput =
        pImport
            ->add_option("-o,--output", parsed.outputFile,
                         "The DXF file to write (.dxf is added to a name without extension; an "
                         "existing file is replaced); - writes it to standard output (and every "
                         "message to standard error)")
            ->type_name("OUT.dxf");
    CLI::Option* pOutputDir =
        pImport
            ->add_option("--output-dir", parsed.outputDir,
                         "The folder for one drawing per file, DIR/NAME.dxf (made when missing)")
            ->type_name("DIR");
    pOutput->excludes(pOutputDir);
    pImport
        ->add_option("-j,--jobs", parsed.jobs,
                     "With --output-dir: imports at once, each in a host process of its own "
                     "(default: one per processor)")
        ->default_str("")
        ->type_name("N")
        ->check(CLI::Validator(
            [](std::string& value) {
                return value.find_first_not_of("0123456789") == std::string::npos &&
                               value.find_first_not_of('0') != std::string::npos
                           ? std::string()
                           : std::string("expected a number of imports, 1 or more");
            },
            std::string()))
        ->needs(pOutputDir);
    pImport->add_flag("--recursive", parsed.bRecursive,
                      "Folders given as FILE include the STEP files of their subfolders, whose "
                      "drawings go to the same subfolders of --output-dir");
    pImport
        ->add_option("--failed-list", parsed.failedList,
                     "Writes the files not imported (failed, stopped by an interrupt, not "
                     "started) to LIST, one per line, for a run of just those; empty when all "
                     "were")
        ->type_name("LIST");
    std::string surfaces;
    std::string meshType;
    std::string warning;
    pImport
        ->add_option("--surfaces", surfaces,
                     "Import surfaces as meshes or as edge curves (default: mesh)")
        ->check(CLI::IsMember(SurfaceWords(), CLI::ignore_case));
    pImport->add_option("--mesh-type", meshType, "The entities meshes become (default: polyface)")
        ->check(CLI::IsMember(MeshWords(), CLI::ignore_case));
    pImport
        ->add_option("--warning", warning, "Display the polyface mesh limit warning (default: on)")
        ->check(CLI::IsMember(SwitchWords(), CLI::ignore_case));
    pImport->add_flag("--stored-options", parsed.bStoredOptions,
                      "Starts from the options stored by the last interactive import instead of "
                      "the defaults");
    bool bNoProgress = false;
    pImport->add_flag("--no-progress", bNoProgress,
                      "No progress line on standard error (it is shown only on a terminal)");
    // Given by a run with an output folder to each file's process, never by a user: not listed.
    pImport->add_option("--report-fd", parsed.reportFd)->check(CLI::NonNegativeNumber)->group("");
    pImport->excludes(pScript);

    try {
        try {
            app.parse(argc, argv);
        } catch (const CLI::RequiredError&) {
            if (!bVersion) { // "kestrin import --version" needs no FILE
                throw;
            }
        }
        if (pImport->parsed() && !bVersion && parsed.outputFile.empty() &&
            parsed.outputDir.empty()) {
            throw CLI::RequiredError("-o or --output-dir");
        }
    } catch (const CLI::Success& success) { // --help
        *exitCode = app.exit(success, std::cout, std::cerr);
        return ParseOutcome::Exit;
    } catch (const CLI::ParseError& error) {
        *exitCode = ReportUsageError(error, pImport->parsed() ? pImport : nullptr);
        return ParseOutcome::Exit;
    }

    for (const std::string& setting : settings) {
        const std::size_t equals = setting.find('=');
        parsed.variables.push_back({setting.substr(0, equals), setting.substr(equals + 1)});
    }
    if (bVersion) {
        parsed.mode = RunMode::Version;
    } else if (pImport->parsed()) {
        parsed.mode = RunMode::Import;
        parsed.choices.surfaces = surfaces.empty() ? std::nullopt : SurfaceFromWord(surfaces);
        parsed.choices.meshType = meshType.empty() ? std::nullopt : MeshFromWord(meshType);
        parsed.choices.bWarning = warning.empty() ? std::nullopt : SwitchFromWord(warning);
        parsed.bProgress = !bNoProgress;
    } else if (!parsed.scriptPath.empty()) {
        parsed.mode = RunMode::Script;
    }
    *options = std::move(parsed);
    return ParseOutcome::Run;
}

} // namespace KestrinApp
