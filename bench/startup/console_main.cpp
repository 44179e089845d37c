#include "ConsoleMain.h"

int main(int argc, char **argv)
{
    return consoleMain(argc, argv);
}
