#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliListOptions.h"
#include "moon/CLuneDoc.h"

// The start shared by the Moon's list commands: the shared list options, --date
// and an optional --time, and a Moon document at that local instant.

namespace vantorel::cli {

struct MoonCommand {
    ListOptions options;
    Settings settings;  // the document keeps a reference: it lives here with it
    std::unique_ptr<CLuneDoc> doc;
};

// On a bad line writes one message naming the argument to `err` and returns nothing.
std::unique_ptr<MoonCommand> openMoonCommand(const char* command,
                                             const std::vector<std::string>& argv,
                                             std::ostream& err);

}  // namespace vantorel::cli
