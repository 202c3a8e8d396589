// The program's main function: runs the application with TAVOAppDelegate
// until it is terminated (SIGINT or SIGTERM, or after the seconds given
// with "--quit-after <seconds>").
#pragma once

int TAVOApplicationMain(int argc, char** argv);
