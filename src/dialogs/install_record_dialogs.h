#pragma once
// The record dialogs that the pages below this layer open through their hooks: the contacts
// page's entity, chime-set and select-by dialogs, and the side panel's edit of a participant,
// activity, entity or group. The program installs them once at start-up.
void InstallRecordDialogs();
