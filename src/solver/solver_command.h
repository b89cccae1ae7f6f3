#pragma once
// The solver command: checks that the plan and its data allow a run, then runs the wizard.
class CScheduleData;
class CWnd;

// A dated plan is refused with a message saying why; a failed data check leaves its problems in
// the problem list; otherwise the wizard runs. No undo snapshot of its own: the wizard takes one.
void RunSolverCommand(CScheduleData& data, CWnd* owner);
