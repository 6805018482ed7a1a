// LoopRechnen on nine arbitrary field texts and two arbitrary list texts, then
// the coupling window on the record it leaves: whatever the user typed, the
// calculation ends in one of its defined ways, shows only numbers that read
// back, keeps the record finite, and the coupling window shows no NaN, no
// infinity and no negative length.
//
// Input: texts separated by '|': Text1 ... Text9, Combo1, Combo2, the coupling
// ratio, and a control character whose bits pick the language (bits 0-1:
// German, French, English, none), the decimal separator (bit 2: comma) and
// whether a calculation of the start values ran before on the same record (bit 3).

#include <array>
#include <cmath>
#include <string>

#include "coupling/ankopplung_rechnen.h"
#include "engine/interface_titles.h"
#include "engine/loop_rechnen.h"
#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

constexpr std::array<std::string_view, 4> kSprachen{kCodeGerman, kCodeFrench, kCodeEnglish, "klingonisch"};

LoopEingaben startwerte() {
    return {"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
}

void checkMeldung(const Meldung& m, std::string_view where) {
    requireNoNanInf(m.text, where);
    requireNoNanInf(m.title, where);
}

// Labels are written in the order of the enumeration; which of them one ending shows.
std::size_t gezeigteLabels(const LabelTexte& texte) {
    std::size_t n = 0;
    while (n < texte.size() && texte[n]) ++n;
    for (std::size_t i = n; i < texte.size(); ++i) require(!texte[i], "labels not written in order");
    return n;
}

double zeigt(const LabelTexte& texte, ResultLabel label) {
    const auto& text = texte[static_cast<std::size_t>(label)];
    return readsBackFinite(*text, ResultLabelName(label));
}

// The label shows the record's value, rounded at most to `einheit`.
void zeigtWert(const LabelTexte& texte, ResultLabel label, double wert, double einheit) {
    const double shown = zeigt(texte, label);
    require(std::fabs(shown - wert) <= einheit * 0.5000001 + std::fabs(wert) * 1e-15,
            "label disagrees with the design record", *texte[static_cast<std::size_t>(label)]);
}

void checkLoop(const LoopAusgang& out, const DesignRecord& rec, Language lang) {
    const int ending = static_cast<int>(out.ending);
    require(ending >= static_cast<int>(Ending::Ok) && ending <= static_cast<int>(Ending::Fault), "undefined ending");
    require(out.fault.has_value() == (out.ending == Ending::Fault), "fault set without the fault ending or not set");

    const LabelTexte& texte = out.darstellung.texte;
    const std::size_t n = gezeigteLabels(texte);
    for (std::size_t i = 0; i < n; ++i) {
        require(!texte[i]->empty(), "an empty result text", kResultLabelNames[i]);
        readsBackFinite(*texte[i], kResultLabelNames[i]);
    }
    if (out.darstellung.tooltipC) {
        requireNoNanInf(*out.darstellung.tooltipC, "tooltip of lbC");
        require(texte[2] && out.darstellung.tooltipC->find(*texte[2]) != std::string::npos,
                "tooltip of lbC without the shown capacitance", *out.darstellung.tooltipC);
    }
    if (out.meldung) checkMeldung(*out.meldung, "message of the calculation");

    const bool ok = out.ending == Ending::Ok;
    require(out.ankopplungFreigeben == ok, "coupling enabled other than after success");
    require(out.beep == !ok && out.meldung.has_value() == !ok, "beep and message other than on a refusal or fault");
    const bool loeschen = out.ending == Ending::Input || out.ending == Ending::Length ||
                          out.ending == Ending::Inductance || out.ending == Ending::Capacitance;
    require(out.ergebnisseLoeschen == loeschen, "results blanked on the wrong ending");
    switch (out.ending) {
        case Ending::Ok: require(n == kResultLabelCount, "success without every result"); break;
        case Ending::Input: require(n == 0, "input refusal shows results"); break;
        case Ending::Length:
        case Ending::Inductance: require(n == 1, "length or inductance refusal shows more than lbLamda"); break;
        case Ending::Capacitance: require(n == 4, "capacitance refusal shows other than lbLamda to lbCL"); break;
        case Ending::Fault: break;
    }
    if (out.meldung && (lang != Language::None || out.ending == Ending::Fault))
        require(!out.meldung->text.empty(), "empty message text");
    require(out.darstellung.tooltipC.has_value() == (n > 2 && lang != Language::None), "tooltip of lbC");

    for (double member : {rec.Windungen, rec.Umfang, rec.Frequenz, rec.Induktivitaet, rec.Kapazitaet, rec.XL,
                          rec.RVerlust, rec.RGesamt, rec.Guete})
        require(std::isfinite(member), "design record holds a non-finite value");

    // What the coupling window later reads from the record is what the labels showed.
    if (n > 2) {
        const double c = rec.Kapazitaet;
        zeigtWert(texte, ResultLabel::lbC, c, c < 1000 ? 0.1 : 1);
    }
    if (n > 8) zeigtWert(texte, ResultLabel::lbKu, rec.Guete, 0.01);
}

// A length in metres as the coupling window shows it: a number, not negative.
void checkLaenge(std::string_view text, std::string_view where) {
    require(text.find('-') == std::string_view::npos, where, text);
    require(readsBackFinite(text, where) >= 0, where, text);
}

void checkAnkopplung(std::string_view ratio, const DesignRecord& rec, std::string_view sep, Language lang) {
    if (auto r = ResonanzwiderstandAnzeigen(rec, sep)) {
        require(r->einheit == "kOhm" || r->einheit == "Ohm", "unit of the resonance resistance", r->einheit);
        checkLaenge(r->wert, "resonance resistance");
    }

    const AnkopplungAusgang a = AnkopplungRechnen(ratio, rec, sep);
    require(std::isfinite(a.umfangCm) && std::isfinite(a.lkaCm), "coupling working values not finite");
    if (a.zusatzhinweis) requireNoNanInf(*a.zusatzhinweis, "Zusatzhinweis");
    if (a.meldung) checkMeldung(*a.meldung, "coupling message");
    switch (a.art) {
        case KopplungsArt::Normal:
            require(a.label2 && a.label4 && a.druckFreigeben && !a.meldung && !a.hinweisZeigen,
                    "normal outcome incomplete");
            checkLaenge(*a.label2, "Label2");
            checkLaenge(*a.label4, "Label4");
            break;
        case KopplungsArt::Bereich: {
            require(a.label2 && !a.label4 && !a.druckFreigeben, "range outcome touches Label4 or print");
            const std::size_t bis = a.label2->find(" - ");
            require(bis != std::string::npos, "range without its two ends", *a.label2);
            checkLaenge(std::string_view(*a.label2).substr(0, bis), "Label2 from");
            checkLaenge(std::string_view(*a.label2).substr(bis + 3), "Label2 to");
            require(a.meldung.has_value() != a.hinweisZeigen, "range outcome must show exactly one message");
            if (lang == Language::None) require(a.hinweisZeigen, "unknown language must run the note command");
            break;
        }
        case KopplungsArt::Abgelehnt:
            require(a.meldung && !a.label2 && !a.label4 && !a.druckFreigeben && !a.hinweisZeigen,
                    "refused coupling changed the window");
            break;
        default:
            fail("undefined coupling outcome");
    }
    checkMeldung(HinweisMeldung(rec, a.zusatzhinweis.value_or(std::string())), "note command");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto teile = split(data, size, '|', 13);
    const unsigned steuer = teile[12].empty() ? 0u : static_cast<unsigned char>(teile[12][0]);
    const std::string_view sep = steuer & 4 ? "," : ".";

    DesignRecord rec;
    rec.Sprache = std::string(kSprachen[steuer & 3]);
    TitelSetzen(rec);
    const Language lang = SpracheVon(rec.Sprache);
    if (steuer & 8) {
        const LoopAusgang vorher = LoopRechnen(startwerte(), rec, sep);
        require(vorher.ending == Ending::Ok, "the start values do not calculate");
    }

    const LoopEingaben eingaben{teile[0], teile[1], teile[2], teile[3], teile[4], teile[5],
                                teile[6], teile[7], teile[8], teile[9], teile[10]};
    const LoopAusgang out = LoopRechnen(eingaben, rec, sep);
    checkLoop(out, rec, lang);
    checkAnkopplung(teile[11], rec, sep, lang);
    return 0;
}
