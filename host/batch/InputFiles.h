// Kestrin host program: the files a run over many STEP files imports, and the drawings it saves
// them as. A FILE argument is taken as it stands unless it is a folder, which stands for its
// *.stp and *.step files (the extension in any case, as the file dialog's filter matches it) in
// name order, and with --recursive for those of its subfolders too.
#pragma once

#include <string>
#include <vector>

namespace KestrinApp {

/*
Description:
  Lists the STEP files that the FILE arguments name.
Parameters:
  arguments  - [in] the FILE arguments, in the order given.
  bRecursive - [in] folders include their subfolders.
  files      - [out] every file, in the order given, each folder's files sorted by path.
  error      - [out] why not, when false is returned.
Returns:
  false when a folder cannot be read or holds no STEP file.
Remarks:
  Arguments that are not folders are listed whether or not they exist: the import says what
  is wrong with them. Links to folders inside a folder are not followed.
*/
bool ListInputFiles(const std::vector<std::string>& arguments, bool bRecursive,
                    std::vector<std::string>* files, std::string* error);

/*
Description:
  The drawing each file is saved as: outputDir/NAME.dxf, NAME being the file's name without
  its extension.
Parameters:
  files      - [in] the STEP files.
  outputDir  - [in] the folder of the drawings.
  outputs    - [out] one path per file.
  collisions - [out] one message per drawing that more than one file would be saved as.
Returns:
  false when there are collisions.
*/
bool OutputPathsFor(const std::vector<std::string>& files, const std::string& outputDir,
                    std::vector<std::string>* outputs, std::vector<std::string>* collisions);

} // namespace KestrinApp
