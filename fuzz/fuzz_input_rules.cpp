// The rules by which the main window's fields follow each other while the user
// types, on arbitrary texts: each rule either leaves the dependent fields alone
// or writes texts that read back to the number it computed. A coil length the
// window wrote itself must pass the calculation's input check.
//
// Input: texts separated by '|': the size or circumference text, the shape list
// text, coil length (Text8), conductor diameter (Text3), number of turns (Text4),
// and a control character whose bit 0 picks the comma as decimal separator.

#include <array>
#include <cmath>
#include <string>

#include "engine/input_rules.h"
#include "engine/loop_model.h"
#include "engine/materials.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

constexpr double kPi = 3.14159265358979;
constexpr std::array<std::string_view, 6> kFormen{"Kreis", "circulaire", "Circle", "Quadrat", "carrée", "Square"};

// The text shows `wert` rounded to `dezimalen` places.
void zeigtWert(const std::string& text, double wert, int dezimalen, std::string_view where) {
    const double shown = readsBackFinite(text, where);
    const double halb = 0.5 * std::pow(10.0, -dezimalen);
    require(std::fabs(shown - wert) <= halb * 1.000001 + std::fabs(wert) * 1e-15, where, text);
}

std::optional<double> zahl(std::string_view text) {
    try {
        return TextZuZahl(text);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

void checkSpule(const std::optional<SpulenFolge>& folge, std::string_view text3, std::string_view text4,
                std::string_view where) {
    if (!folge) return;
    if (!folge->text8) return;
    readsBackFinite(*folge->text8, where);

    // The calculation must accept the coil length the window wrote for these turns
    // and this conductor; only a conductor or a turn count below its limit is refused.
    const auto d = zahl(text3), N = zahl(text4);
    if (!d || !N || *d < 0.1 || *N < 0.1) return;
    LoopEingaben in{"2,25", "7,069", std::string(text3), std::string(text4), "14,4", "100", "0,05",
                    *folge->text8, "10000", "Kreis", "Cu"};
    DesignRecord rec;
    const LoopErgebnis e = LoopModell(in, rec);
    if (e.ending == Ending::Input)
        fail("the calculation refuses the coil length the window wrote",
             std::string(where) + ": Text3=" + std::string(text3) + " Text4=" + std::string(text4) +
                 " Text8=" + *folge->text8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto teile = split(data, size, '|', 6);
    const std::string& groesse = teile[0];
    const std::string& form = teile[1];
    const std::string_view sep = !teile[5].empty() && (teile[5][0] & 1) ? "," : ".";
    const double teiler = IstKreis(form) ? kPi : 4.0;

    if (auto u = UmfangAusDurchmesser(groesse, form, sep)) {
        require(std::isfinite(u->umfang), "circumference from the diameter not finite");
        zeigtWert(u->text, u->umfang, 3, "Text2 after a key in Text1");
    }
    if (auto d = DurchmesserAusUmfang(groesse, form, sep)) {
        require(std::isfinite(d->umfang), "circumference not finite");
        zeigtWert(d->text, d->umfang / teiler, 3, "Text1 after a key in Text2");
    }
    if (auto f = FormWechsel(groesse, form, sep)) {
        require(std::isfinite(f->umfang), "circumference after a shape switch not finite");
        bool bekannt = false;
        for (auto name : kFormen) bekannt = bekannt || name == form;
        require(f->label1.has_value() == bekannt && f->text1.has_value() == bekannt,
                "shape switch for a text that is not in the list, or none for one that is", form);
        if (f->text1) zeigtWert(*f->text1, f->umfang / teiler, 3, "Text1 after a shape switch");
    }
    checkSpule(SpulenlaengeNachWindungen(teile[2], teile[3], teile[4], sep), teile[3], teile[4],
               "Text8 after a change of turns");
    checkSpule(SpulenlaengeNachLeiter(teile[2], teile[3], teile[4], sep), teile[3], teile[4],
               "Text8 after a change of conductor");
    return 0;
}
