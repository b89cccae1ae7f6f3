#pragma once
// The solver wizard as one undoable operation: the snapshot, the wizard, and what its end means
// for the document (roll back, keep, or keep and run the placement pass).
#include <vector>

class CScheduleData;
class CWnd;

// The document's solver settings that the wizard's pages write.
class CSolverSettings {
public:
    static CSolverSettings Of(const CScheduleData& data);
    void RestoreTo(CScheduleData& data) const;

    int m_nMode = 0;
    int m_nPopulation = 0;
    int m_nDuration = 0;
    int m_nSolverOption = 0;
    int m_nSolverSelection = 0;
    std::vector<int> m_arrSolverIds;
};

// After the wizard: anything but Finish rolls the document back. Finish in mode 0 keeps the
// search's placement; in a genetic mode the result is kept and followed by the placement pass
// unless too many entities are over their limits (50 with the apply box set, any without it),
// which is said with a message before the roll back. The plan check follows in every case.
void ConcludeSolverWizard(CScheduleData& data, bool finished, bool apply);

// Takes the snapshot, runs the wizard modally over the owner and concludes it.
void RunSolverWizard(CScheduleData& data, CWnd* owner);
