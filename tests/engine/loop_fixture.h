#pragma once
// Inputs and a record as the main window holds them after start-up.

#include <string>

#include "engine/design_record.h"
#include "engine/interface_titles.h"
#include "engine/loop_rechnen.h"

namespace ringfeld::testing {

inline LoopEingaben StartWerte() {
    return LoopEingaben{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
}

// Circle, copper, D = 1 m, three turns 60 mm long, 10 mm conductor, no series loss.
inline LoopEingaben DreiWindungen(const std::string& frequenz) {
    return LoopEingaben{"1", "3,1416", "10", "3", frequenz, "100", "0", "60", "10000", "Kreis", "Cu"};
}

inline DesignRecord Record(const std::string& sprache = "deutsch") {
    DesignRecord rec;
    rec.Sprache = sprache;
    TitelSetzen(rec);
    return rec;
}

inline std::string Shown(const LoopAusgang& out, ResultLabel label) {
    return AngezeigteTexte(out)[static_cast<std::size_t>(label)];
}

}  // namespace ringfeld::testing
