// What Wine 8's 32-bit mode (wow64) cannot show a test program: the pixels
// of the screen (a copy from the screen fails, so a message box's icon
// cannot be told), a dialog's font read by another thread (it reads back as
// zeros), and where another process's message box lies (-32768,-32768 to
// -1,-1). Of these only the icon meets a check of the tests that run on
// both builds: it is checked on the x86_64 build, and on the 32-bit build
// the check prints one line saying what was not checked and why.
#pragma once
#include <string>

// Whether the icons of message boxes can be read here; where they cannot,
// prints the line for `what`.
bool CanReadMessageBoxIcons(const std::string& what);

struct SeenWindow;
// The icon a message box showed, where it can be read.
void ExpectIcon(unsigned expected, const SeenWindow& window);
