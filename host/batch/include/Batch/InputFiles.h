// Kestrin host program: the files a run over many STEP files imports, and the drawings it saves
// them as. A FILE argument is taken as it stands unless it is a folder, which stands for its
// *.stp and *.step files (the extension in any case, as the file dialog's filter matches it) in
// name order, and with --recursive for those of its subfolders too. A file reached twice (given
// twice, or given and inside a folder given) is imported once, where it is first reached.
#pragma once

#include <string>
#include <vector>

namespace KestrinApp {

/// A file of a run, and where it lies in the folder it was found in.
struct InputFile {
    std::string path;  // as given, or the folder given joined with place
    std::string place; // relative to the folder given ("sub/part.step"); the name alone for a
                       // file given as such
};

/// true when a FILE argument stands for a folder: one that exists, or a name ending in '/'.
bool IsFolderArgument(const std::string& argument);

/*
Description:
  Lists the STEP files that the FILE arguments name.
Parameters:
  arguments  - [in] the FILE arguments, in the order given.
  bRecursive - [in] folders include their subfolders.
  files      - [out] every file once, in the order given, each folder's files sorted by path.
  error      - [out] why not, when false is returned.
Returns:
  false when a folder is missing, cannot be read or holds no STEP file.
Remarks:
  Arguments that are not folders are listed whether or not they exist: the import says what
  is wrong with them. Links to folders inside a folder are not followed.
*/
bool ListInputFiles(const std::vector<std::string>& arguments, bool bRecursive,
                    std::vector<InputFile>* files, std::string* error);

/*
Description:
  The drawing each file is saved as: outputDir/PLACE.dxf, PLACE being the file's place in its
  folder without its extension, so that a folder's tree is mirrored under outputDir.
Parameters:
  files      - [in] the STEP files.
  outputDir  - [in] the folder of the drawings.
  outputs    - [out] one path per file.
  collisions - [out] one message per drawing that more than one file would be saved as.
Returns:
  false when there are collisions.
*/
bool OutputPathsFor(const std::vector<InputFile>& files, const std::string& outputDir,
                    std::vector<std::string>* outputs, std::vector<std::string>* collisions);

/// The paths of files, in their order.
std::vector<std::string> PathsOf(const std::vector<InputFile>& files);

} // namespace KestrinApp
