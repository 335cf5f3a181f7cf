// Kestrin host program: a temporary folder that belongs to one run of the program, for files the
// run needs but nobody keeps (its own settings store, a drawing on its way to standard output).
// It is made private to the user and removed with everything in it when the object goes.
#pragma once

#include <filesystem>

namespace KestrinApp {

class RunFolder {
public:
    /// Makes the folder under the system's temporary folder; throws std::filesystem_error.
    RunFolder();
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/*
Description:
  Gives a batch run a settings store of its own: the registry reads and writes a file in the
  run's folder for the object's lifetime, so that the user's stored import options are neither
  used nor changed by the run.
Remarks:
  The store starts empty (every option at its documented default), or as a copy of the user's
  store when bFromStored is set: throws std::filesystem::filesystem_error when that store is
  there and cannot be read (none yet is no error). The store variable is put back as it was
  afterwards.
*/
class RunSettingsStore {
public:
    RunSettingsStore(const RunFolder& folder, bool bFromStored);
    ~RunSettingsStore();
    RunSettingsStore(const RunSettingsStore&) = delete;
    RunSettingsStore& operator=(const RunSettingsStore&) = delete;

private:
    bool m_bHadVariable = false;
    std::string m_previous;
};

} // namespace KestrinApp
