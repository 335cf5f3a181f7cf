// Kestrin host program: the single-file command line. Every option that ProgramOptions holds for
// an import is repeated here; the file comes last, after "--", so that a name starting with '-'
// is still a file name.
#include "Batch/SingleImportArguments.h"

namespace KestrinApp {

std::vector<std::string> SingleImportArguments(const ProgramOptions& options,
                                               const std::string& file, const std::string& output,
                                               int reportFd) {
    std::vector<std::string> arguments;
    if (!options.modulePath.empty()) {
        arguments.insert(arguments.end(), {"--module", options.modulePath});
    }
    for (const VariableSetting& setting : options.variables) {
        arguments.insert(arguments.end(), {"--set", setting.name + "=" + setting.value});
    }
    if (options.bVerbose) {
        arguments.emplace_back("--verbose");
    }
    arguments.insert(arguments.end(), {"import", "-o", output, "--no-progress", "--report-fd",
                                       std::to_string(reportFd)});
    const ImportChoices& choices = options.choices;
    if (choices.surfaces) {
        arguments.insert(
            arguments.end(),
            {"--surfaces", SurfaceWords().at(static_cast<std::size_t>(*choices.surfaces))});
    }
    if (choices.meshType) {
        arguments.insert(
            arguments.end(),
            {"--mesh-type", MeshWords().at(static_cast<std::size_t>(*choices.meshType))});
    }
    if (choices.bWarning) {
        arguments.insert(arguments.end(),
                         {"--warning", SwitchWords().at(*choices.bWarning ? 0 : 1)});
    }
    if (options.bStoredOptions) {
        arguments.emplace_back("--stored-options");
    }
    arguments.insert(arguments.end(), {"--", file});
    return arguments;
}

} // namespace KestrinApp
