// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The main window: the loop's inputs, the results, the three commands and the
// menus. One handler per control event, named after control and event; all
// arithmetic comes from the engine, all desktop services from DesktopServices.

#include <array>
#include <string>
#include <vector>

#include <QMainWindow>

#include "forms/forms.h"
#include "main/main_window_host.h"
#include "platform/desktop_services.h"
#include "presentation/result_labels.h"
#include "text/design_record.h"
#include "text/loop_fields.h"

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

namespace ringfeld {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window from its form, hidden; Form_Load fills it. What the program's
    // other windows and routines do for it, `programm` does.
    frmMain(DesignRecord& rec, DesktopServices& dienste, MainWindowHost& programm, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start values, stored language and initial states.
    void Form_Load();
    // Sets cancel when SchliessenErlaubt says no; else saves the language and
    // closes the program's other windows.
    void Form_Unload(bool& cancel);

    // Puts every text of both windows into the language rec.Sprache.
    void SpracheAnwenden();
    // One calculation of the loop from the current inputs.
    void LoopRechnen();
    // Blanks the result labels (all but lbLamda) and disables the coupling button.
    void ErgebnisseLoeschen();
    // Whether the results shown belong to earlier inputs: greyed, with a tooltip and
    // the status line saying so, from an edit after a calculation to the next one.
    bool ErgebnisseVeraltet() const { return veraltet_; }
    // The loop's inputs as the fields and lists hold them now.
    LoopEingaben Eingaben() const;
    // Puts a loop into the fields and lists, as the user would type and choose it:
    // the lists take the entries the texts name in any language, the size field's
    // caption follows the shape, and the coil length is written last, as given.
    void EingabenSetzen(const LoopEingaben& eingaben);
    // The same in metric texts, whatever the units: what the other windows read
    // (the lengths to twelve significant digits) and give (a found design).
    LoopEingaben MetrischeEingaben() const;
    void MetrischeEingabenSetzen(const LoopEingaben& metrisch);
    // Comes to the front with the fields and lists whose texts differ from `vorher`
    // marked for two seconds: what another window has just changed.
    void AenderungenZeigen(const LoopEingaben& vorher);

    // The design file shown: its name heads the title, and Qt's [*] marks unsaved
    // changes (setWindowModified); empty is no file, the title as without one.
    void DokumentZeigen(const std::string& name);
    // The entries of File / Open recent: the files' paths, the newest first.
    void ZuletztZeigen(const std::vector<std::string>& dateien);

    // Input handlers. A key handler clears its code (KeyAscii, KeyCode) to discard the key.
    // Text1 to Text8 take digits and decimal separators only.
    void Ziffernfeld_KeyPress(int& KeyAscii);
    void Combo1_KeyDown(int& KeyCode, int& Shift);
    void Combo2_KeyDown(int& KeyCode, int& Shift);
    void Combo1_KeyPress(int& KeyAscii);
    void Combo2_KeyPress(int& KeyAscii);
    void Combo1_Click();
    void Text1_KeyUp();
    void Text2_KeyUp();
    void Text3_Change();
    void Text4_Change();

    // Commands and menus.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void mnuAktRechnen_Click();
    void mnuAktAnkopplung_Click();
    void mnuAktAbstimmbereich_Click();
    void mnuDruck_Click();
    void mnuAktEnde_Click();
    void mnuDeutsch_Click();
    void mnuFranzösisch_Click();
    void mnuEnglisch_Click();
    void mnuQuesHelp_Click();
    // Options / Units: the length fields carried into the units chosen, the
    // captions and every other window following.
    void EinheitenWaehlen(Units units);
    // The same without carrying the fields: a design typed in `units` comes next.
    void EinheitenUebernehmen(Units units);
    void mnuQuesInfo_Click();

    // The controls, by their layout names.
    const Ui::frmMain& controls() const { return ui_; }
    QLabel* resultLabel(ResultLabel which) const { return results_[static_cast<std::size_t>(which)]; }

signals:
    // A field or list of the loop changed, or the loop was calculated.
    void EingabenGeaendert();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectHandlers();
    void eingabeBearbeitet();
    void VeraltetZeigen(bool veraltet);
    void VeraltetMarkieren(bool an);
    void installKeyFilters();
    void SpracheWaehlen(std::string_view code);
    void EinheitenMenueBauen();
    // The list of common conductors beside the conductor field, in the language and units.
    void RohrlisteFuellen();
    // The units menu's captions and check mark and the unit labels.
    void EinheitenBeschriften();
    bool istLaengenfeld(const QObject* watched) const;
    void SpulenfeldZeigen(bool sichtbar);
    void TitelZeigen();
    bool dateiGezogen(QEvent* event);
    std::string dezimaltrenner() const;  // of the result labels
    std::string feldTrenner() const;     // of the texts written into fields
    // Ctrl+X (or Shift+Del) in an editable field with selected text: the field cuts it.
    static bool cutsSelection(QObject* watched, const QKeyEvent& key);
    bool keyPressOnField(QObject* watched, QKeyEvent& key);
    bool keyPressOnList(QObject* watched, QKeyEvent& key);

    DesignRecord& rec_;
    DesktopServices& dienste_;
    MainWindowHost& programm_;
    Ui::frmMain ui_;
    std::array<QLabel*, kResultLabelCount> results_{};
    std::array<QLineEdit*, 8> filtered_{};  // Text1 to Text8, in order
    QString dokument_;                      // the design file's name shown in the title
    QToolButton* rohre_ = nullptr;          // the tube sizes beside Text3
    bool umstellen_ = false;                // the length fields are being carried into other units
    bool veraltet_ = false;
    bool ohneVeraltet_ = false;  // while the program itself rewrites the lists (language)
    // The result labels' own tooltips while the stale note is added to them.
    std::array<QString, kResultLabelCount> eigeneTooltips_{};
};

}  // namespace ringfeld
