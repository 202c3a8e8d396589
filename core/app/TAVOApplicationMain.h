// The program's main function: runs the application with TAVOAppDelegate
// until it is terminated (SIGINT or SIGTERM, closing its desktop window, or
// after the seconds given with "--quit-after <seconds>").
//
// With a display (DISPLAY set) the window stack is shown in a desktop
// window; without one the application runs headless. "--screenshot PATH"
// writes the window stack as a PNG once start-up has settled, then exits.
#pragma once

int TAVOApplicationMain(int argc, char** argv);
