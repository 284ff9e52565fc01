// What Wine 8's 32-bit mode (wow64) cannot show a test: a message box's
// icon read from the screen by another thread, a dialog's font read by
// another thread (it reads back as zeros), and the rectangle of another
// process's window (sometimes nonsense). Checks of those run on the x86_64
// build; on the 32-bit build each answers false and prints one line saying
// what was not checked and why. Everything else runs on both.
#pragma once
#include <string>

bool CanReadMessageBoxIcons(const std::string& what);
bool CanReadFontsOfAnotherThread(const std::string& what);
bool CanReadWindowRectanglesOfAnotherProcess(const std::string& what);

struct SeenWindow;
// The icon a message box showed, where it can be read.
void ExpectIcon(unsigned expected, const SeenWindow& window);
