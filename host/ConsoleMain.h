#pragma once

// The console's whole run, from the first environment change to the end of the event loop.
int consoleMain(int argc, char **argv);
