#pragma once

#include <memory>

#include "cli/CliListOptions.h"
#include "common/settings/Settings.h"
#include "moon/MoonDocument.h"

// The start shared by the Moon's list commands: the shared list options, --date
// and an optional --time, and a Moon document at that local instant.

namespace vantorel::cli {

struct MoonCommand {
    ListOptions options;
    Settings settings;  // the document keeps a reference: it lives here with it
    std::unique_ptr<MoonDocument> doc;
};

// The options of a Moon list command.
std::vector<CliOption> moonCommandOptions();
std::unique_ptr<MoonCommand> openMoonCommand(const CliValues& values);

}  // namespace vantorel::cli
