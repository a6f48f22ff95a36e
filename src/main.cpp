#include "shell/Startup.h"

int main(int argc, char *argv[])
{
    return tav::shell::runProgram(argc, argv);
}
