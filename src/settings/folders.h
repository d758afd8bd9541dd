// Choosing the default source and destination folders with the shell's
// folder picker.
#pragma once

#include "common/fixed_text.h"
#include "platform/folder_picker.h"
#include "platform/user.h"

namespace rw {

// True with the chosen folder in folder; false leaves it as it was.
[[nodiscard]] bool BrowseSourceFolder(FolderPicker& picker, User& user, PathText& folder);
[[nodiscard]] bool BrowseDestinationFolder(FolderPicker& picker, User& user, PathText& folder);

}  // namespace rw
