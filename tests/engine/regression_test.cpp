// Faults found by the fuzz targets in fuzz/, each kept as the smallest input
// that showed it.
#include <gtest/gtest.h>

#include <string>

#include "engine/input_rules.h"
#include "engine/loop_model.h"

using namespace ringfeld;

namespace {

// Whether the calculation on the start values, with the conductor, the turns
// and the coil length as given, refuses them as unreal input.
bool refusesInput(const std::string& text3, const std::string& text4, const std::string& text8) {
    const LoopEingaben in{"2,25", "7,069", text3, text4, "14,4", "100", "0,05", text8, "10000", "Kreis", "Cu"};
    DesignRecord rec;
    return LoopModell(in, rec).ending == Ending::Input;
}

}  // namespace

// The main window raises the coil length to the minimum its turns need; the
// calculation must never refuse the length the window wrote itself. The window
// reads the turns in single precision, the calculation in double precision.
TEST(Regression, CalculationAcceptsTheCoilLengthTheWindowWrote) {
    struct Fall {
        const char *text3, *text4;
    };
    const Fall faelle[] = {
        {"12", "3"},
        {"12", "1,5"},
        {"0,1", "12"},
        {"3,3", "7"},
        {"0,5", "1"},
        // Only double precision tells this count from one: the window hides the
        // field and writes the conductor diameter, which is shorter than the
        // minimum for more than one turn.
        {"0,5", "1,00000001"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string("conductor ") + f.text3 + ", turns " + f.text4);
        const auto nachWindungen = SpulenlaengeNachWindungen("0", f.text3, f.text4, ",");
        ASSERT_TRUE(nachWindungen && nachWindungen->text8);
        EXPECT_FALSE(refusesInput(f.text3, f.text4, *nachWindungen->text8))
            << "coil length " << *nachWindungen->text8 << " written after the turns changed";

        const auto nachLeiter = SpulenlaengeNachLeiter("0", f.text3, f.text4, ",");
        ASSERT_TRUE(nachLeiter && nachLeiter->text8);
        EXPECT_FALSE(refusesInput(f.text3, f.text4, *nachLeiter->text8))
            << "coil length " << *nachLeiter->text8 << " written after the conductor changed";
    }
}
