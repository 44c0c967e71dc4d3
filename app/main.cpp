// Tarnik programmer: reads, edits and writes the configuration of Tarnik
// two-way radio stations over a serial port.
#include "app/ErrorBox.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "app/TApplication.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    int code = 1;
    // An error during start-up is shown and ends the program.
    Guarded([&] {
        CreateWindows();
        f_main->show();
        code = app.exec();
    });
    return code;
}
