#include "cli/MoonCommand.h"

namespace vantorel::cli {

std::vector<CliOption> moonCommandOptions() {
    return withListArguments({
        dateOption("date", "local date").required(),
        timeOption("time", "local clock time").byDefault("00:00"),
    });
}

std::unique_ptr<MoonCommand> openMoonCommand(const CliValues& values) {
    auto result = std::make_unique<MoonCommand>();
    result->options = listOptions(values);
    result->settings = settingsFor(result->options);
    result->doc = std::make_unique<MoonDocument>(result->settings);
    const CivilDate date = values.date("date");
    const ClockTime clock = values.time("time");
    result->doc->setDate(date.year, date.month, date.day, clock.hour, clock.minute);
    return result;
}

}  // namespace vantorel::cli
