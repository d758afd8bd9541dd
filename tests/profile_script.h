// One sequence of reads and writes run through both profile implementations
// (the system's private-profile services and the command-line program's INI
// file), so their answers and resulting files can be compared.
#pragma once

#include <string>

#include "platform/profile.h"

namespace rw::test {

// The file the sequence starts from.
inline constexpr const char* kProfileScriptStart =
    "; Routewright settings\r\n"
    "[Startup]\r\n"
    "Menuoption=1\r\n"
    "Autogen=2\r\n"
    "Quoted=\"C:\\Plans\\a b.txt\"\r\n"
    "[SrceFile]\r\n"
    "Pathname=C:\\Plans\\zurich geneva.txt\r\n"
    "Filename=\r\n"
    "[Other]\r\n"
    "Kept=as it was\r\n";

// Runs the sequence and gives one line per answer.
inline std::string RunProfileScript(Profile& profile)
{
    std::string out;
    const auto read = [&](const char* section, const char* key, const char* defaultValue) {
        out += std::string("read ") + section + "/" + key + " -> [" +
               profile.ReadString(section, key, defaultValue) + "]\n";
    };
    const auto readInt = [&](const char* section, const char* key, int defaultValue) {
        out += std::string("int ") + section + "/" + key + " -> " +
               std::to_string(profile.ReadInt(section, key, defaultValue)) + "\n";
    };
    const auto write = [&](const char* section, const char* key, const char* value) {
        out += std::string("write ") + section + "/" + key + " -> " +
               (profile.WriteString(section, key, value) ? "ok" : "failed") + "\n";
    };

    read("startup", "MENUOPTION", "x");
    read("STARTUP", "autogen", "x");
    readInt("Startup", "Autogen", 0);
    readInt("Startup", "Missing", 5);
    read("Startup", "Quoted", "");
    read("Startup", "Missing", "default");
    read("NoSection", "Key", "");
    read("SrceFile", "Pathname", "");
    read("SrceFile", "Filename", "d");
    readInt("SrceFile", "Filename", 7);
    write("Startup", "menuoption", "0");
    write("Startup", "FilterIndex", "3");
    write("Startup", "FilterIndex", "4");
    write("DestFile", "Pathname", "C:\\Out\\with blanks.pln");
    write("SrceFile", "Filename", "");
    read("destfile", "pathname", "");
    read("startup", "filterindex", "");
    read("Startup", "Menuoption", "");
    read("other", "kept", "");
    return out;
}

}  // namespace rw::test
