#pragma once
// The program's start: the application object, the window table and the
// main window, whose load routine is the start-up sequence.

// Declares every window of the system to the window registry.
void defineWindows();

// Runs the program; returns its exit code.
int runApplication(int argc, char *argv[]);
