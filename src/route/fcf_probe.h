// A look into one of the planner's own binary plan files, which the program
// cannot convert: its title and the waypoint records found by their
// signature.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/user.h"

namespace rw {

struct FcfRecord {
    bool longForm = false;  // '#' before the signature: name, type and identifier
    std::string name;       // at most 15 characters, as shown
    std::string type;       // long form only; at most 15 characters
    std::string ident;      // at most 9 characters
};

struct FcfProbe {
    std::string title;  // at most 15 characters
    std::vector<FcfRecord> records;
    int waypointCount = 0;  // records of the short form
};

// Reads the title and every record from the bytes of a file. Nothing is read
// outside them: a length that points past the end gives what is there, a file
// too short for the title gives an empty title, and a signature at the very
// start has no marker byte and so counts as the short form.
FcfProbe ProbeFcfBytes(const std::uint8_t* data, std::size_t size);

// Shows the title, one box per record and the number of waypoints found.
void ShowFcfProbe(User& user, const FcfProbe& probe);

}  // namespace rw
