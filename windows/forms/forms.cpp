// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/forms.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPalette>
#include <QShortcutEvent>
#include <QVariant>

#include "forms/fonts.h"

// Q_INIT_RESOURCE must stand outside any namespace.  The resources live in a
// static library, so nothing would pull them into the program without it.
static void initUiResourcesOnce() { Q_INIT_RESOURCE(ui); }

namespace ringfeld {

void initUiResources() {
    static const bool done = (initUiResourcesOnce(), true);
    (void)done;
}

namespace {

void applyDesignBackgrounds(QWidget& form) {
    const auto widgets = form.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString role = w->property(kDesignBackgroundProperty).toString();
        QPalette::ColorRole background, text;
        if (role == QLatin1String("ToolTipBase")) {
            background = QPalette::ToolTipBase;
            text = QPalette::ToolTipText;
        } else if (role == QLatin1String("Base")) {
            background = QPalette::Base;
            text = QPalette::Text;
        } else {
            continue;
        }
        // A box with a text colour of its own (lbCL in red) keeps it; the
        // others take the text colour that belongs to their background.
        const bool ownTextColour = w->palette().isBrushSet(QPalette::Active, QPalette::WindowText);
        if (ownTextColour) text = QPalette::WindowText;
        w->setBackgroundRole(background);
        w->setForegroundRole(text);
        w->setAutoFillBackground(true);
    }
}

// An access key that a control of the window and a menu title share belongs
// to the control: Alt+O goes to the field after "Tx -&Output:", not to the
// menu "&Optionen".  Qt hands an ambiguous key to each holder in turn; when
// the menu bar's turn comes, this passes the key on to the control.
class AccessKeysBeforeMenus : public QObject {
public:
    AccessKeysBeforeMenus(QMenuBar* bar, QWidget* window) : QObject(bar), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return QObject::eventFilter(watched, event);
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous()) return false;
        const QKeySequence key = shortcut->key();
        for (QLabel* label : window_->findChildren<QLabel*>()) {
            QWidget* buddy = label->buddy();
            if (!buddy || !label->isVisible() || !buddy->isVisible() || !buddy->isEnabled()) continue;
            if (QKeySequence::mnemonic(label->text()) != key) continue;
            buddy->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        for (QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || !button->isEnabled()) continue;
            if (QKeySequence::mnemonic(button->text()) != key) continue;
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
        return false;
    }

private:
    QWidget* window_;
};

void giveAccessKeysToControls(QWidget& form) {
    auto* window = qobject_cast<QMainWindow*>(&form);
    QMenuBar* bar = window ? window->menuBar() : nullptr;
    if (!bar) return;
    bar->installEventFilter(new AccessKeysBeforeMenus(bar, window->centralWidget()));
}

void addIconSizes(QWidget& form) {
    QIcon icon = form.windowIcon();
    for (int size : {48, 64, 128}) icon.addFile(QStringLiteral(":/icons/ringfeld-%1.png").arg(size), QSize(size, size));
    form.setWindowIcon(icon);
}

void fixWindowSize(QWidget& form) {
    // The layout never reacts to a size change: no resizing, no maximising.
    if (QLayout* layout = form.layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
    if (form.isWindow()) {
        Qt::WindowFlags flags = form.windowFlags();
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        flags &= ~Qt::WindowMaximizeButtonHint;
        form.setWindowFlags(flags);
    }
}

}  // namespace

void finishForm(QWidget& form) {
    initUiResources();
    applyDesignFonts(&form);
    applyDesignBackgrounds(form);
    addIconSizes(form);
    fixWindowSize(form);
    giveAccessKeysToControls(form);
}

Ui::frmMain setupFrmMain(QMainWindow& window) {
    initUiResources();
    Ui::frmMain ui;
    ui.setupUi(&window);
    finishForm(window);
    return ui;
}

Ui::frmAnkopplung setupFrmAnkopplung(QWidget& window) {
    initUiResources();
    Ui::frmAnkopplung ui;
    ui.setupUi(&window);
    finishForm(window);
    return ui;
}

}  // namespace ringfeld
