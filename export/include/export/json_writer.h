// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A small streaming JSON writer: long sweeps are written in one pass without
// building a document tree first. It appends to a text its caller owns.

#include <string>
#include <string_view>

namespace ringfeld {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject() { separate(); out_ += '{'; first_ = true; }
    void endObject() { out_ += '}'; first_ = false; }
    void beginArray() { separate(); out_ += '['; first_ = true; }
    void endArray() { out_ += ']'; first_ = false; }
    void newline() { out_ += '\n'; }
    // The next value starts a new element; the caller wrote the separator.
    void startElement() { first_ = true; afterKey_ = false; }

    // Keys are the program's own names and need no escaping.
    void key(std::string_view name) {
        separate();
        out_ += '"';
        out_ += name;
        out_ += "\":";
        afterKey_ = true;
    }
    void value(std::string_view text) { separate(); string(text); }
    void value(double number);
    void null() { separate(); out_ += "null"; }

    std::string& text() { return out_; }

private:
    void separate() {
        if (afterKey_) { afterKey_ = false; return; }
        if (!first_) out_ += ',';
        first_ = false;
    }
    void string(std::string_view text);

    std::string& out_;
    bool first_ = true;
    bool afterKey_ = false;
};

}  // namespace ringfeld
