// Kestrin host program: listing the input files and naming their drawings. A folder that cannot
// be read, even in part, is refused rather than imported in part: a run over a library must not
// leave files out without saying so.
#include "batch/InputFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace KestrinApp {

namespace fs = std::filesystem;

namespace {

bool IsStepFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".stp" || extension == ".step";
}

bool IsStepFile(const fs::directory_entry& entry) {
    std::error_code ignored;
    return IsStepFileName(entry.path()) && entry.is_regular_file(ignored);
}

template <typename Iterator>
bool CollectFrom(Iterator entries, std::vector<std::string>* found, std::error_code* error) {
    for (; entries != Iterator(); entries.increment(*error)) {
        if (*error) {
            return false;
        }
        if (IsStepFile(*entries)) {
            found->push_back(entries->path().string());
        }
    }
    return !*error;
}

bool ListFolder(const std::string& folder, bool bRecursive, std::vector<std::string>* files,
                std::string* error) {
    std::vector<std::string> found;
    std::error_code failure;
    const bool bRead = bRecursive
                           ? CollectFrom(fs::recursive_directory_iterator(folder, failure),
                                         &found, &failure)
                           : CollectFrom(fs::directory_iterator(folder, failure), &found,
                                         &failure);
    if (!bRead || failure) {
        *error = "cannot read the folder " + folder + ": " + failure.message();
        return false;
    }
    if (found.empty()) {
        *error = folder + " holds no STEP files (*.stp, *.step)" +
                 (bRecursive ? std::string(", nor do its subfolders") : std::string());
        return false;
    }
    std::sort(found.begin(), found.end());
    files->insert(files->end(), found.begin(), found.end());
    return true;
}

} // namespace

bool ListInputFiles(const std::vector<std::string>& arguments, bool bRecursive,
                    std::vector<std::string>* files, std::string* error) {
    files->clear();
    for (const std::string& argument : arguments) {
        std::error_code ignored;
        if (!fs::is_directory(argument, ignored)) {
            files->push_back(argument);
        } else if (!ListFolder(argument, bRecursive, files, error)) {
            return false;
        }
    }
    return true;
}

bool OutputPathsFor(const std::vector<std::string>& files, const std::string& outputDir,
                    std::vector<std::string>* outputs, std::vector<std::string>* collisions) {
    outputs->clear();
    collisions->clear();
    std::map<std::string, std::vector<std::string>> filesByOutput;
    for (const std::string& file : files) {
        const fs::path stem = fs::path(file).stem();
        outputs->push_back((fs::path(outputDir) / stem).string() + ".dxf");
        filesByOutput[outputs->back()].push_back(file);
    }
    for (const auto& [output, sources] : filesByOutput) {
        if (sources.size() < 2) {
            continue;
        }
        std::string names = sources.front();
        for (std::size_t i = 1; i < sources.size(); ++i) {
            names += (i + 1 == sources.size() ? " and " : ", ") + sources[i];
        }
        collisions->push_back(names + " would be saved under the one name " + output);
    }
    return collisions->empty();
}

} // namespace KestrinApp
