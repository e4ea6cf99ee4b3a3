#pragma once

// Runs the program's messages until the main window has gone; the exit
// status it posted.
int runMessageLoop();
