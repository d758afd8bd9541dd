// File dialogs for the tests: every request is recorded, and the answers
// (a chosen file or a cancel) are queued in advance.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_dialogs.h"

namespace rw::test {

class ScriptedFileDialogs : public FileDialogs {
public:
    // filterIndex: the type chosen in a save dialog.
    void QueueChoice(std::string_view path, std::string_view fileName, int filterIndex = 1)
    {
        ChosenFile file;
        file.path = path;
        file.fileName = fileName;
        file.filterIndex = filterIndex;
        answers_.push_back(file);
    }
    void QueueCancel() { answers_.push_back(std::nullopt); }

    bool ShowOpenDialog(const OpenFileRequest& request, ChosenFile& chosen) override
    {
        openRequests.push_back(request);
        return Answer("open", request.title, chosen);
    }

    bool ShowSaveDialog(const SaveFileRequest& request, ChosenFile& chosen) override
    {
        saveRequests.push_back(request);
        return Answer("save", request.title, chosen);
    }

    bool AllAnswersUsed() const { return answers_.empty(); }

    std::vector<OpenFileRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;

private:
    bool Answer(const char* kind, const std::string& title, ChosenFile& chosen)
    {
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected " << kind << " dialog: " << title;
            return false;
        }
        const std::optional<ChosenFile> answer = answers_.front();
        answers_.pop_front();
        if (!answer) {
            return false;
        }
        chosen = *answer;
        return true;
    }

    std::deque<std::optional<ChosenFile>> answers_;
};

}  // namespace rw::test
