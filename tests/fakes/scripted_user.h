// A user for the tests: answers to questions are queued in advance, and
// every message shown is recorded in order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/texts.h"
#include "platform/user.h"

namespace rw::test {

struct ShownMessage {
    int textId;
    std::string insert;
    MessageIcon icon;
    MessageButtons buttons;
    std::string text;  // as the user reads it
};

class ScriptedUser : public User {
public:
    void QueueAnswer(Answer answer) { answers_.push_back(answer); }

    Answer ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                       MessageButtons buttons) override
    {
        return Record({textId, std::string(insert), icon, buttons, FormatText(textId, insert)});
    }

    // Recorded with text number 0.
    Answer ShowText(std::string_view text, MessageIcon icon, MessageButtons buttons) override
    {
        return Record({0, std::string(), icon, buttons, std::string(text)});
    }

    // Every queued answer was asked for.
    bool AllAnswersUsed() const { return answers_.empty(); }

    std::vector<ShownMessage> shown;

private:
    Answer Record(ShownMessage message)
    {
        const MessageButtons buttons = message.buttons;
        shown.push_back(std::move(message));
        if (buttons == MessageButtons::Ok) {
            return Answer::Ok;
        }
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question " << shown.back().textId << ": " << shown.back().text;
            return Answer::Cancel;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<Answer> answers_;
};

// The numbers of the messages user was shown, in order.
inline std::vector<int> ShownIds(const ScriptedUser& user)
{
    std::vector<int> ids;
    for (const ShownMessage& m : user.shown) {
        ids.push_back(m.textId);
    }
    return ids;
}

}  // namespace rw::test
