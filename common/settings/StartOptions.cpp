#include "common/settings/StartOptions.h"

#include "common/files/Paths.h"

namespace vantorel {

namespace {

std::string helpText() {
    std::string text =
        "usage: vantorel [--help] [--version] [Qt options]\n"
        "\n"
        "The Moon and the planets at the telescope: positions, rise, transit and set,\n"
        "discs as the telescope shows them, Jupiter's moons and their phenomena.\n"
        "Every window is opened from the menus.\n"
        "\n"
        "options:\n"
        "  -h, --help     print these options and exit\n"
        "  -v, --version  print the version and exit\n"
        "Qt's own options (-platform NAME, -style NAME, ...) are passed to Qt.\n"
        "\n"
        "files:\n";
    // Where this run would look, so a user can tell which settings are in use.
    text += "  settings      " + Paths::settingsFile().string() + "\n";
    const std::string userData = Paths::userDataDirectory().string();
    text += "  yearly files  the working directory, else " +
            (userData.empty() ? std::string("(no home folder)") : userData) + "\n";
    text += "  data          the first of:";
    for (const auto& dir : Paths::dataDirectories()) text += "\n                " + dir.string();
    text += "\n\nThe command-line tool vantorel-cli prints the same computations as text or JSON.\n";
    return text;
}

}  // namespace

StartOptions parseStartOptions(const std::vector<std::string>& args) {
    StartOptions options;
    for (const std::string& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") {
            options.action = StartOptions::Action::Help;
            options.text = helpText();
            return options;
        }
        if (a == "--version" || a == "-v") {
            options.action = StartOptions::Action::Version;
            options.text = std::string("vantorel ") + VANTOREL_VERSION + "\n";
        }
    }
    return options;
}

}  // namespace vantorel
