// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What every tool window beside the main window has in common (the tuning range,
// the safety distance, the loop finder), in the order it happens:
//
//   built      build() its widgets; its kept texts read from the settings store
//              (restoreKept); the language; connectInputs(); every widget's
//              accessible description set to its objectName; the start size.
//   shown      Zeigen(): beforeShow(); the first time, the size and place kept from
//              the last run (while it is on a screen), else beside the main window
//              (forms/placement.h: narrowed there, or where it hides the main
//              window's inputs least); shown, raised, and Rechnen().
//   language   SpracheAnwenden(): the caption table's rows of the window, then its
//              own applyLanguage(); a language the program does not know changes nothing.
//   changed    inputChanged(): computed anew once the pending events are handled,
//              and EingabenGeaendert() for the design file.
//   hidden     the kept texts and the geometry written to the store, then hidden().
//   destroyed  the same written once more, while the whole window still exists.
//
// A window derives from ToolWindow, names itself in a ToolWindowKind, implements
// the hooks and declares its constructor protected; the application creates it
// with makeToolWindow<Window>(...), which runs the start once the window is built
// and the end before any part of it is destroyed. Another way to create it does
// not compile.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "platform/desktop_services.h"
#include "text/design_record.h"
#include "text/language.h"
#include "text/window_texts.h"

class QScreen;

namespace ringfeld {

// What a tool window is called and where it keeps its settings.
struct ToolWindowKind {
    const char* objectName;          // the name UI automation and the caption table know it by
    TextWindow texts;                // its rows in the caption table
    std::string_view settingsGroup;  // its group in the settings store
    QSize startSize;                 // before the user gives it another
};

// What every tool window gets from the application: the design record (for the
// language), the desktop services, the main window it first stands beside, and
// the settings file (empty: the user's store).
struct ToolWindowContext {
    DesignRecord& rec;
    DesktopServices& dienste;
    QWidget& neben;
    QString settingsFile;
};

// The texts a window keeps in the settings store, by key.
using KeptTexts = std::map<std::string, std::string>;

// The texts kept in `group` of the store (`settingsFile` empty: the user's); a
// value the store reads back as a list (an unquoted comma) is its text again.
KeptTexts ReadKeptTexts(std::string_view group, const QString& settingsFile = QString());

template <class Window>
class BuiltToolWindow;

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    ~ToolWindow() override;
    ToolWindow(const ToolWindow&) = delete;
    ToolWindow& operator=(const ToolWindow&) = delete;

    // Shows the window (or brings it to the front) and computes.
    void Zeigen();
    // Puts the window's texts into the language rec.Sprache.
    void SpracheAnwenden();
    // Computes now what the window shows from its fields and the inputs it follows.
    void Rechnen();
    // An input the window follows changed (the main window's loop, another window's
    // sheet): it computes once the pending events are handled, while it is shown.
    void SpaeterRechnen();

signals:
    // An input of the window changed.
    void EingabenGeaendert();

protected:
    ToolWindow(const ToolWindowKind& kind, ToolWindowContext context);

    // ------------------------------------------------ what each window implements
    // Its widgets, each with its objectName; lists filled as far as the kept texts need.
    virtual void build() = 0;
    // Its signals; a change of an input calls inputChanged().
    virtual void connectInputs() = 0;
    // What the caption table's rows do not reach: list entries, headings, texts
    // computed from the language. Called with a language the program knows.
    virtual void applyLanguage(Language lang) = 0;
    // What it keeps in the settings store, and putting it back (keys not stored are absent).
    virtual KeptTexts keptTexts() const = 0;
    virtual void restoreKept(const KeptTexts& texts) = 0;
    // What Rechnen() does.
    virtual void compute() = 0;

    // ------------------------------------------------ what a window may add
    // Before it is shown: inputs taken from other windows.
    virtual void beforeShow() {}
    // A window with a layout for narrow screens switches to it or back.
    virtual void arrange(bool narrow) { (void)narrow; }
    // The least width at which it shows what it is for, where its layout allows
    // less: it is first placed no narrower.
    virtual int leastWidth() const { return 0; }
    // After it was hidden and its settings written.
    virtual void hidden() {}

    // ------------------------------------------------ for the window's own code
    // The language the window shows: rec.Sprache, or the standard one.
    Language sprache() const;
    DesignRecord& rec() const { return context_.rec; }
    DesktopServices& dienste() const { return context_.dienste; }
    // The main window it stands beside.
    const QWidget& neben() const { return context_.neben; }
    const QString& settingsFile() const { return context_.settingsFile; }
    // An input of the window changed: SpaeterRechnen() and EingabenGeaendert().
    void inputChanged();

    void hideEvent(QHideEvent* event) override;

private:
    template <class Window>
    friend class BuiltToolWindow;
    void start();
    void finish() noexcept;
    void writeSettings() const;
    void placeOnce();
    bool restoreKeptGeometry();
    void placeFirst();
    // Its least size in the narrow layout or the other, which it takes.
    QSize leastSize(bool narrow);
    // The main window's frame (what the window manager adds), and the available
    // area of `screen` less that frame: where a window's own area may go.
    QMargins mainFrame() const;
    QRect freeArea(const QScreen& screen) const;
    // `r` moved (and shrunk) into freeArea().
    QRect fitted(QRect r, const QScreen& screen) const;

    const ToolWindowKind& kind_;
    ToolWindowContext context_;
    bool platziert_ = false;  // placed beside the main window once: its geometry is kept from then on
    QTimer spaeter_;          // gathers the changes of one event round into one computation
};

// A tool window as the application creates it (see makeToolWindow).
template <class Window>
class BuiltToolWindow final : public Window {
public:
    template <class... Args>
    explicit BuiltToolWindow(Args&&... args) : Window(std::forward<Args>(args)...) {
        this->start();
    }
    ~BuiltToolWindow() override { this->finish(); }
    BuiltToolWindow(const BuiltToolWindow&) = delete;
    BuiltToolWindow& operator=(const BuiltToolWindow&) = delete;
};

// Creates a tool window with its constructor's arguments and starts it.
template <class Window, class... Args>
std::unique_ptr<Window> makeToolWindow(Args&&... args) {
    return std::make_unique<BuiltToolWindow<Window>>(std::forward<Args>(args)...);
}

}  // namespace ringfeld
