// vantorel-cli: the engine's computations from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"

using namespace vantorel::cli;

static void usage(std::ostream& out) {
    out << "usage: vantorel-cli COMMAND [options]\n"
           "       vantorel-cli --version\n\ncommands:\n";
    for (const CliCommandInfo& c : cliCommands()) out << "  " << usageLine(*c.syntax) << "\n";
}

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? kUsageError : 0;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::cout << "vantorel-cli " << VANTOREL_VERSION << "\n";
        return 0;
    }
    for (const CliCommandInfo& c : cliCommands()) {
        if (c.name() == name)
            return runCommand(c, std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "vantorel-cli: unknown command " << vantorel::cli::quoted(name) << "\n";
    usage(std::cerr);
    return kUsageError;
}
