// Bringing the clock up.
#pragma once

// Registers the class, creates and shapes the window, loads the face,
// shows it and starts the tick; 0 when the program cannot start.
int InitInstance();
// The message loop; returns when the quit message arrives.
int RunMessageLoop();
