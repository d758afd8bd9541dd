// Test doubles of the smaller platform interfaces: profile, registry,
// system, folder picker and help viewer.
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "console/ini_profile.h"
#include "platform/folder_picker.h"
#include "platform/help_viewer.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace rw::test {

// A configuration file in memory; names are matched without regard to case.
class FakeProfile : public Profile {
public:
    void Set(std::string_view section, std::string_view key, std::string_view value)
    {
        values_[Key(section, key)] = value;
    }
    bool Has(std::string_view section, std::string_view key) const
    {
        return values_.count(Key(section, key)) != 0;
    }
    std::string Get(std::string_view section, std::string_view key) const
    {
        const auto it = values_.find(Key(section, key));
        return it == values_.end() ? std::string() : it->second;
    }

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override
    {
        const auto it = values_.find(Key(section, key));
        return it == values_.end() || it->second.empty() ? defaultValue : ProfileInteger(it->second);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override
    {
        const auto it = values_.find(Key(section, key));
        std::string value = it == values_.end() ? std::string(defaultValue) : it->second;
        return value.substr(0, 259);
    }
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override
    {
        written.emplace_back(std::string(section) + "/" + std::string(key), std::string(value));
        Set(section, key, value);
        return true;
    }

    std::vector<std::pair<std::string, std::string>> written;  // in order

private:
    static std::string Key(std::string_view section, std::string_view key)
    {
        std::string k = std::string(section) + "\n" + std::string(key);
        for (char& c : k) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return k;
    }
    std::map<std::string, std::string> values_;
};

class FakeRegistry : public Registry {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;

    bool ReadMachineValue(std::string_view key, std::string_view value, std::string& text) override
    {
        const auto it = values.find({std::string(key), std::string(value)});
        if (it == values.end()) {
            return false;
        }
        text = it->second;
        return true;
    }
};

// Dates are a fixed text, with the moments asked for recorded; renaming is
// done for real, unless the test makes it fail.
class FakeSystem : public System {
public:
    std::string programPath = "/opt/routewright/routewright";
    std::string currentFolder = "/home/pilot";
    std::string longDate = "Thursday, 1 February 2024";
    std::vector<std::int64_t> dateMoments;
    bool renameFails = false;

    std::string ProgramPath() override { return programPath; }
    std::string CurrentFolder() override { return currentFolder; }
    std::string LongDate(std::int64_t unixSeconds) override
    {
        dateMoments.push_back(unixSeconds);
        return longDate;
    }
    bool RenameOver(const std::string& from, const std::string& to) override
    {
        return !renameFails && std::rename(from.c_str(), to.c_str()) == 0;
    }
    // Paths with a stored name of their own, as short names have; any other
    // path names no file.
    std::map<std::string, std::string> storedNames;
    bool StoredFileName(const std::string& path, std::string& name) override
    {
        const auto it = storedNames.find(path);
        if (it == storedNames.end()) {
            return false;
        }
        name = it->second;
        return true;
    }
};

class FakeFolderPicker : public FolderPicker {
public:
    FolderChoice answer = FolderChoice::Cancelled;
    std::string chosen;
    std::vector<std::string> prompts;

    FolderChoice ChooseFolder(std::string_view prompt, std::string& folder) override
    {
        prompts.emplace_back(prompt);
        if (answer == FolderChoice::Chosen) {
            folder = chosen;
        }
        return answer;
    }
};

struct HelpCall {
    bool html;
    WindowHandle window;
    std::string file;
    int command;
    const HelpTopic* table;
};

class FakeHelpViewer : public HelpViewer {
public:
    std::vector<HelpCall> calls;

    void CallHtmlHelp(WindowHandle window, const std::string& file, HtmlHelpCommand command,
                  const HelpTopic* table) override
    {
        calls.push_back({true, window, file, static_cast<int>(command), table});
    }
    void CallWinHelp(WindowHandle window, const std::string& file, WinHelpCommand command,
                 const HelpTopic* table) override
    {
        calls.push_back({false, window, file, static_cast<int>(command), table});
    }
};

}  // namespace rw::test
