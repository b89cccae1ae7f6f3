// The program: the one application object, built before the program's entry, and the entry.
// Pages of the main frame register here as their subsystems come.
#include "app/scheduler_app.h"

CSchedulerApp theApp;

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
