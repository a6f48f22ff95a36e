#include "app/ui/Startup.h"

int main(int argc, char *argv[])
{
    return tav::app::ui::runProgram(argc, argv);
}
