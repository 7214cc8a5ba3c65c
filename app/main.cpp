#include <cstdio>

#include "app/brenno_app.h"
#include "app/command_line.h"

namespace {

constexpr int kExitUsage = 64;

}  // namespace

int main(int argc, char* argv[])
{
    const AppCommandLine commandLine = parseAppCommandLine(argc, argv);
    switch (commandLine.request) {
    case AppCommandLine::HELP:
        std::fputs(kAppUsage, stdout);
        return 0;
    case AppCommandLine::VERSION:
        std::printf("brenno %s\n", BRENNO_VERSION);
        return 0;
    case AppCommandLine::INVALID:
        std::fprintf(stderr, "brenno: %s\n%s", commandLine.error.c_str(), kAppUsage);
        return kExitUsage;
    case AppCommandLine::RUN:
        break;
    }
    CBrennoApp app(argc, argv);
    if (!app.InitInstance(QString::fromLocal8Bit(commandLine.file.c_str())))
        return 1;
    return app.exec();
}
