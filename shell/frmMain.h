// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The main window: the loop's inputs, the results, the three commands and the
// menus. One handler per control event, named after control and event; all
// arithmetic comes from the engine, all desktop services from DesktopServices.

#include <array>
#include <functional>

#include <QMainWindow>

#include "engine/design_record.h"
#include "engine/result_presentation.h"
#include "shell/desktop_services.h"
#include "ui/forms.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace ringfeld {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window from its form, hidden; Form_Load fills it.
    frmMain(DesignRecord& rec, DesktopServices& dienste, QWidget* parent = nullptr);
    ~frmMain() override;

    // Shows the coupling window beside this one; does nothing until it is set.
    std::function<void()> AnkopplungZeigen;
    // The coupling window, created hidden on first use; without it the language
    // routine has only this window to re-text.
    std::function<QWidget*()> frmAnkopplung;
    // Brings a shown coupling window up to the loop just calculated; does
    // nothing until it is set.
    std::function<void()> AnkopplungNeueLoop;
    // Shows the tuning-range window; does nothing until it is set.
    std::function<void()> AbstimmbereichZeigen;

    // Start values, stored language and initial states.
    void Form_Load();
    // Saves the language and closes the program's other windows; cancel stays false.
    void Form_Unload(bool& cancel);

    // Puts every text of both windows into the language rec.Sprache.
    void SpracheAnwenden();
    // One calculation of the loop from the current inputs.
    void LoopRechnen();
    // Blanks the result labels (all but lbLamda) and disables the coupling button.
    void ErgebnisseLoeschen();

    // Input handlers. A key handler clears its code (KeyAscii, KeyCode) to discard the key.
    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Text3_KeyPress(int& KeyAscii);
    void Text4_KeyPress(int& KeyAscii);
    void Text5_KeyPress(int& KeyAscii);
    void Text6_KeyPress(int& KeyAscii);
    void Text7_KeyPress(int& KeyAscii);
    void Text8_KeyPress(int& KeyAscii);
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
    void mnuQuesInfo_Click();

    // The controls, by their layout names.
    const Ui::frmMain& controls() const { return ui_; }
    QLabel* resultLabel(ResultLabel which) const { return results_[static_cast<std::size_t>(which)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void installKeyFilters();
    void SpracheWaehlen(std::string_view code);
    void SpulenfeldZeigen(bool sichtbar);
    std::string dezimaltrenner() const;
    bool keyPressOnField(QObject* watched, QKeyEvent& key);
    bool keyPressOnList(QObject* watched, QKeyEvent& key);

    DesignRecord& rec_;
    DesktopServices& dienste_;
    Ui::frmMain ui_;
    std::array<QLabel*, kResultLabelCount> results_{};
    std::array<QLineEdit*, 8> filtered_{};  // Text1 to Text8, in order
};

}  // namespace ringfeld
