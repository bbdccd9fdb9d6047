#include "cli/MoonCommand.h"

namespace vantorel::cli {

std::unique_ptr<MoonCommand> openMoonCommand(const char* command,
                                             const std::vector<std::string>& argv,
                                             std::ostream& err) {
    CliArgs args;
    const auto options = parseListOptions(command, argv, {"date", "time"}, {"date"}, args, err);
    if (!options) return nullptr;
    const auto when = parseDateAndTime(command, args, err);
    if (!when) return nullptr;
    auto result = std::make_unique<MoonCommand>();
    result->options = *options;
    result->settings = settingsFor(*options);
    result->doc = std::make_unique<CLuneDoc>(result->settings);
    result->doc->setDate(when->date.year, when->date.month, when->date.day, when->clock.hour,
                         when->clock.minute);
    return result;
}

}  // namespace vantorel::cli
