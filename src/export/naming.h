// Names of the plans to be written: the generated file name and its folder,
// and the extension rule shared with the writers.
#pragma once

#include <string_view>

#include "common/fixed_text.h"
#include "shell/context.h"

namespace rw {

// The Autogen setting that turns generated names off ("None (Let user
// choose)"): no plan is named for the user, and no dropped or command-line
// file is taken.
inline constexpr int kAutogenNone = 3;

// Sets path to the full path of the plan of ExportKind kind in folder and
// name to its file name, generated as the Autogen setting says: 0 the
// source plan's name (into destTitle, whichever name is passed), 1 the two
// airport identifiers, 2 the two airport names, 3 name as it is.
void MakePlanFileName(Context& context, std::string_view folder, PathText& path, PathText& name,
                      int kind);

// The plan to be created, destPath and destTitle, named anew in the
// DefDestDir folder as the Save-as type FilterIndex (unless Autogen is 3)
// and shown in the destination field in every case.
void NameDestinationPlan(Context& context);

// Replaces everything from the last "." of the file-name part of text with
// extension; a file-name part without "." is left as it is. A "." in a
// folder of the path never counts.
void ReplaceExtension(PathText& text, std::string_view extension);

// Whether c separates folders in a path: "\" (and "/", which Windows takes
// too) in the Windows program, "/" in the command-line program.
bool IsFolderSeparator(char c);

// Where the file-name part of path starts: after the last folder separator
// (or a drive's ":" on Windows), else 0.
std::size_t FileNameStart(std::string_view path);

}  // namespace rw
