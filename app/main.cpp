// Keelbox: the application's entry point.
#include "core/app/TAVOApplicationMain.h"

int main(int argc, char** argv) { return TAVOApplicationMain(argc, argv); }
