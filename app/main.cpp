// Keelbox: the application's entry point.
#include "app/lib/KeelboxMain.h"

int main(int argc, char** argv) { return KeelboxMain(argc, argv); }
