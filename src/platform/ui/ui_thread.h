#pragma once
// Windows belong to the user-interface thread. Every call that touches a window's widget
// checks the calling thread first; a call from another thread is refused and reported, so a
// worker that forgets to post shows up at once instead of racing the toolkit.
namespace vorn_ui {

// TRUE on the thread that runs the application's event loop (and while no application exists).
bool OnUiThread();

// Reports a refused call; `call` names the function. The default prints to stderr and, in debug
// builds, stops the program.
using WrongThreadHandler = void (*)(const char* call);
// Installs a handler (null restores the default) and returns the previous one.
WrongThreadHandler SetWrongThreadHandler(WrongThreadHandler handler);

// TRUE on the user-interface thread; otherwise reports `call` and gives FALSE, and the caller
// must not go on.
bool RequireUiThread(const char* call);

}  // namespace vorn_ui
