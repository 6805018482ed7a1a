// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A small streaming JSON writer: long sweeps are written in one pass without
// building a document tree first. It appends to a text its caller owns, through a
// buffer of its own that reaches the text when it is full and when the writer ends
// (a row of a sweep is some hundred small pieces; appending each to the text cost
// a third of the row).

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace ringfeld {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    ~JsonWriter() { flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject() {
        separate();
        put('{');
        first_ = true;
    }
    void endObject() {
        put('}');
        first_ = false;
    }
    void beginArray() {
        separate();
        put('[');
        first_ = true;
    }
    void endArray() {
        put(']');
        first_ = false;
    }
    void newline() { put('\n'); }

    // Keys are the program's own short names and need no escaping.
    void key(std::string_view name) {
        separate();
        if (name.size() + 3 > sizeof buffer_ - used_) flush();
        char* p = buffer_ + used_;
        *p++ = '"';
        p = std::copy(name.begin(), name.end(), p);
        *p++ = '"';
        *p++ = ':';
        used_ = static_cast<std::size_t>(p - buffer_);
        afterKey_ = true;
    }
    void value(std::string_view text) {
        separate();
        string(text);
    }
    void value(double number);
    void null() {
        separate();
        put("null");
    }
    void boolean(bool yes) {
        separate();
        put(yes ? "true" : "false");
    }

private:
    void separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_) put(',');
        first_ = false;
    }
    void string(std::string_view text);

    void put(char c) {
        if (used_ == sizeof buffer_) flush();
        buffer_[used_++] = c;
    }
    void put(std::string_view text) {
        if (text.size() > sizeof buffer_ - used_) {
            flush();
            if (text.size() > sizeof buffer_) return void(out_.append(text));
        }
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }
    void flush() {
        out_.append(buffer_, used_);
        used_ = 0;
    }

    std::string& out_;
    char buffer_[2048];
    std::size_t used_ = 0;
    bool first_ = true;
    bool afterKey_ = false;
};

}  // namespace ringfeld
