#pragma once
// Fills a magnet board from a document the way the magnet page reloads it: a row per entity of
// the wanted type (every entity with type -1) with its working hours, a day column per plan day,
// a magnet per entry the row's entity takes part in, its absences as blocks; then every row is
// normalised and the board sorted and laid out. Shared by the tests and the benchmark.
class CMagnetCtrl;
class CScheduleData;

void FillBoard(CMagnetCtrl& control, CScheduleData& data, int entityType);
