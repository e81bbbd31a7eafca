// ミルデン: the main window on the data file of the current directory.
#include "qt/run_milden.h"

int main(int argc, char* argv[]) { return milden::RunMilden(argc, argv); }
