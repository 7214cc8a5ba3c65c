#include "app/command_line.h"

#include <cstring>
#include <vector>

const char* const kAppUsage =
    "usage: brenno [FILE]\n"
    "  Starts Brenno, with the program source FILE in its editor.\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "  Qt's own options (-platform, -style, ...) are accepted too.\n";

namespace {

struct QtOption {
    const char* name;
    bool takesValue;
};

// The options QApplication and its platform plug-ins take out of the command
// line themselves, with one hyphen or two.
const QtOption kQtOptions[] = {
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},     {"qwindowtitle", true},  {"title", true},
    {"qwindowicon", true}, {"icon", true},             {"session", true},       {"style", true},
    {"stylesheet", true}, {"display", true},           {"name", true},          {"visual", true},
    {"reverse", false},  {"widgetcount", false},       {"nograb", false},       {"dograb", false},
    {"sync", false},     {"testability", false},
};

// The option's name without its hyphens and without a value given after "=".
std::string optionName(const std::string& arg)
{
    const size_t start = arg.compare(0, 2, "--") == 0 ? 2 : 1;
    return arg.substr(start, arg.find('=') == std::string::npos ? std::string::npos : arg.find('=') - start);
}

const QtOption* findQtOption(const std::string& arg)
{
    const std::string name = optionName(arg);
    for (const QtOption& option : kQtOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

AppCommandLine invalid(const std::string& error)
{
    AppCommandLine commandLine;
    commandLine.request = AppCommandLine::INVALID;
    commandLine.error = error;
    return commandLine;
}

}  // namespace

AppCommandLine parseAppCommandLine(int argc, const char* const* argv)
{
    AppCommandLine commandLine;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            commandLine.request = AppCommandLine::HELP;
            return commandLine;
        } else if (arg == "--version") {
            commandLine.request = AppCommandLine::VERSION;
            return commandLine;
        } else if (const QtOption* option = findQtOption(arg)) {
            const bool valueFollows = option->takesValue && arg.find('=') == std::string::npos;
            if (valueFollows && ++i == argc)
                return invalid(arg + " needs a value");
        } else {
            return invalid("unknown option " + arg);
        }
    }
    if (files.size() > 1)
        return invalid("more than one file given");
    if (!files.empty())
        commandLine.file = files.front();
    return commandLine;
}
