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
    switch (app.InitInstance(QString::fromLocal8Bit(commandLine.file.c_str()))) {
    case CBrennoApp::StartOutcome::Started: return app.exec();
    case CBrennoApp::StartOutcome::HandedOver: return 0;
    case CBrennoApp::StartOutcome::Failed: break;
    }
    return 1;
}
