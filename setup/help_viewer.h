// The HTML Help control the product's help needs.
#pragma once
#include <windows.h>

// 1 to go on; 0 after dialog 400 told the user the viewer is missing or old.
int CheckHelpViewer();
// The judgement that check makes, without a window.
int HelpViewerIsRecent();
