// Kestrin host program: listing the input files and naming their drawings. A folder that cannot
// be read, even in part, is refused rather than imported in part: a run over a library must not
// leave files out without saying so.
#include "Batch/InputFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <utility>

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
bool CollectFrom(Iterator entries, std::vector<fs::path>* found, std::error_code* error) {
    for (; entries != Iterator(); entries.increment(*error)) {
        if (*error) {
            return false;
        }
        if (IsStepFile(*entries)) {
            found->push_back(entries->path());
        }
    }
    return !*error;
}

bool ListFolder(const std::string& folder, bool bRecursive, std::vector<InputFile>* files,
                std::string* error) {
    std::error_code missing;
    if (!fs::is_directory(folder, missing)) {
        *error = fs::exists(folder, missing) ? folder + " is not a folder"
                                             : "the folder " + folder + " does not exist";
        return false;
    }
    std::vector<fs::path> found;
    std::error_code failure;
    const bool bRead =
        bRecursive
            ? CollectFrom(fs::recursive_directory_iterator(folder, failure), &found, &failure)
            : CollectFrom(fs::directory_iterator(folder, failure), &found, &failure);
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
    for (const fs::path& file : found) {
        files->push_back({file.string(), file.lexically_relative(folder).string()});
    }
    return true;
}

// What tells one file from another: its device and inode when it exists (so that two names
// of one file are one), otherwise its absolute name.
using FileIdentity = std::pair<std::pair<dev_t, ino_t>, std::string>;

FileIdentity IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return {{info.st_dev, info.st_ino}, std::string()};
    }
    std::error_code ignored;
    return {{0, 0}, fs::absolute(path, ignored).lexically_normal().string()};
}

} // namespace

bool IsFolderArgument(const std::string& argument) {
    std::error_code ignored;
    return (!argument.empty() && argument.back() == '/') || fs::is_directory(argument, ignored);
}

bool ListInputFiles(const std::vector<std::string>& arguments, bool bRecursive,
                    std::vector<InputFile>* files, std::string* error) {
    std::vector<InputFile> listed;
    for (const std::string& argument : arguments) {
        if (!IsFolderArgument(argument)) {
            listed.push_back({argument, fs::path(argument).filename().string()});
        } else if (!ListFolder(argument, bRecursive, &listed, error)) {
            return false;
        }
    }
    files->clear();
    std::set<FileIdentity> seen;
    for (InputFile& file : listed) {
        if (seen.insert(IdentityOf(file.path)).second) {
            files->push_back(std::move(file));
        }
    }
    return true;
}

bool OutputPathsFor(const std::vector<InputFile>& files, const std::string& outputDir,
                    std::vector<std::string>* outputs, std::vector<std::string>* collisions) {
    outputs->clear();
    collisions->clear();
    std::map<std::string, std::vector<std::string>> filesByOutput;
    for (const InputFile& file : files) {
        const fs::path place(file.place);
        outputs->push_back((fs::path(outputDir) / place.parent_path() / place.stem()).string() +
                           ".dxf");
        filesByOutput[outputs->back()].push_back(file.path);
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

std::vector<std::string> PathsOf(const std::vector<InputFile>& files) {
    std::vector<std::string> paths;
    for (const InputFile& file : files) {
        paths.push_back(file.path);
    }
    return paths;
}

} // namespace KestrinApp
