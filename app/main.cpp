#include "app/brenno_app.h"

int main(int argc, char* argv[])
{
    CBrennoApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return app.exec();
}
