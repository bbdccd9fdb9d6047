#pragma once

#include "common/text/LanguageText.h"
#include "moon/MoonPhaseRecord.h"

// The texts of the Moon-phase table: four columns (new moon, first quarter,
// full moon, last quarter), each with a first and a second date and time.

namespace vantorel {

struct PhaseTableText {
    enum Field : int { kFirstDate = 0, kFirstTime, kSecondDate, kSecondTime };
    // fields[kind][field]; empty where no phase of that kind fell.
    char fields[4][4][8] = {};
};

// Fills the table from the month phases, in their order: a kind's first
// phase takes the first slot, the next the second, a third replaces the second.
PhaseTableText fillPhaseTable(const MoonPhaseRecord* monthPhases, int count, int dateFormat);

inline constexpr TextTriple kPhaseTableTitle{"The Moon's phases", "Les phases lunaires",
                                             "Fases de la Luna"};
inline constexpr TextTriple kPhaseTableDateLabel{"Date", "Date", "Fecha"};
inline constexpr TextTriple kPhaseTableTimeLabel{"Time", "Heure", "Hora"};

}  // namespace vantorel
