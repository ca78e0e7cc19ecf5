#include "app/Startup.h"
#include "platform/Application.h"

int main(int argc, char* argv[])
{
    TApplication application(argc, argv);
    application.installTerminationSignals();
    createProgramWindows(application);
    return application.Run();
}
