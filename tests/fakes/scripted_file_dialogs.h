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
    void QueueChoice(std::string_view path, std::string_view fileName)
    {
        ChosenFile file;
        file.path = path;
        file.fileName = fileName;
        answers_.push_back(file);
    }
    void QueueCancel() { answers_.push_back(std::nullopt); }

    bool ShowOpenDialog(const OpenFileRequest& request, ChosenFile& chosen) override
    {
        openRequests.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected open dialog: " << request.title;
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

    bool AllAnswersUsed() const { return answers_.empty(); }

    std::vector<OpenFileRequest> openRequests;

private:
    std::deque<std::optional<ChosenFile>> answers_;
};

}  // namespace rw::test
