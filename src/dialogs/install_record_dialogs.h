#pragma once
// The dialogs that the pages below this layer open through their hooks: the contacts page's
// entity, chime-set and select-by dialogs, the side panel's edit of a participant, activity,
// entity or group, the timetable page's dialogs and swap chooser the tasks page's and the magnet page's dialogs. The program
// installs them once at start-up.
void InstallRecordDialogs();

// The parts of it, one per page.
void InstallSwapChooser();
void InstallTasksDialogs();
void InstallTimeTableDialogs();
void InstallMagnetDialogs();
