// The folder pickers of the settings.
#include "settings/folders.h"

#include <string>

#include "resources/resource.h"

namespace rw {
namespace {

bool Browse(FolderPicker& picker, User& user, std::string_view prompt, PathText& folder)
{
    std::string chosen;
    switch (picker.ChooseFolder(prompt, chosen)) {
    case FolderChoice::Chosen:
        // A folder too long for the settings is refused rather than cut.
        if (chosen.size() > PathText::capacity) {
            return false;
        }
        folder = chosen;
        return true;
    case FolderChoice::Unavailable:
        user.ShowMessage(IDS_NO_SHELL_ALLOCATOR, "", MessageIcon::Stop, MessageButtons::Ok);
        return false;
    case FolderChoice::Cancelled:
    case FolderChoice::NoFolderPath:
        return false;
    }
    return false;
}

}  // namespace

bool BrowseSourceFolder(FolderPicker& picker, User& user, PathText& folder)
{
    return Browse(picker, user, "Please select a default flight plan source folder:", folder);
}

bool BrowseDestinationFolder(FolderPicker& picker, User& user, PathText& folder)
{
    return Browse(picker, user, "Please select a default flight plan destination folder:", folder);
}

}  // namespace rw
