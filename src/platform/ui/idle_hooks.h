#pragma once
// Work that runs whenever the application is idle: the command-update state of toolbars and
// status bars, among others. The application object calls RunIdleHooks from its idle
// processing (CWinApp::OnIdle); the layer's bars register themselves here.
#include <functional>

using IdleHook = std::function<void()>;

// Registers a hook; the result identifies it for RemoveIdleHook.
int AddIdleHook(IdleHook hook);
void RemoveIdleHook(int cookie);
// Runs every registered hook once, in the order they were added.
void RunIdleHooks();
