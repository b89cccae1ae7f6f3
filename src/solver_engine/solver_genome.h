#pragma once
// What the genetic optimiser knows of the timetable: the open entries, in timetable order, whose
// option indexes make up a chromosome.
#include <vector>

class CChromosome;
class CMersenneTwister;
class CScheduleData;
class CTimetableEntry;

class CSolverGenome {
public:
    // Takes the open entries of the store as they are now; the collection must not change while
    // the genome lives.
    explicit CSolverGenome(CScheduleData& data);
    virtual ~CSolverGenome() = default;

    // One gene per open entry: output modulo the entry's number of options. Fitness and age are
    // left as they are.
    virtual void RandomChromosome(CMersenneTwister& generator, CChromosome& out) const;
    // The i-th open entry goes to the start of its option genes[i]; throws std::out_of_range for a
    // gene outside the entry's options or a chromosome of another length.
    virtual void Apply(const CChromosome& chromosome) const;
    // The option at each open entry's current start (3-minute tolerance), else a random option.
    virtual void FromCurrentPlacement(CChromosome& out, CMersenneTwister& generator) const;

    int GetEntryCount() const { return static_cast<int>(m_arrEntries.size()); }
    const std::vector<CTimetableEntry*>& Entries() const { return m_arrEntries; }

private:
    std::vector<CTimetableEntry*> m_arrEntries;
};
