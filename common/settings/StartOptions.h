#pragma once

#include <string>
#include <vector>

// The window program's own command-line options. Everything else on the
// command line is left to Qt (-platform, -style ...) and otherwise ignored, so
// a desktop launcher's extra arguments never stop the program from starting.

namespace vantorel {

struct StartOptions {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    // What to print before exiting for Help and Version.
    std::string text;
};

// `args` without the program name.
StartOptions parseStartOptions(const std::vector<std::string>& args);

}  // namespace vantorel
