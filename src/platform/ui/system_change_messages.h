#pragma once
// Turns the toolkit's application-wide changes into the messages windows expect: a new palette
// becomes WM_SYSCOLORCHANGE, a new application font WM_FONTCHANGE, a new locale
// WM_SETTINGCHANGE. Each is sent to every top-level window of the program and to all of its
// descendants, the way the frames pass them on.

// Installs the translation once for the application (later calls do nothing).
void InstallSystemChangeMessages();
