#include "ConsoleMain.h"

// On Windows Qt's own entry shim turns the wide command line into argv before this runs.
int main(int argc, char **argv)
{
    return consoleMain(argc, argv);
}
