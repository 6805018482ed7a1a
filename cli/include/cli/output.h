// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Where ringfeld-calc writes: a stream such as stdout (stdio buffers it), or a
// buffer that keeps everything, for the fuzz target and the benchmarks.

#include <QByteArray>

#include <cstdio>
#include <string_view>

namespace ringfeld::cli {

class Output {
public:
    virtual ~Output() = default;
    virtual void write(std::string_view bytes) = 0;
};

class FileOutput final : public Output {
public:
    explicit FileOutput(std::FILE* file) : file_(file) {}
    void write(std::string_view bytes) override { std::fwrite(bytes.data(), 1, bytes.size(), file_); }

private:
    std::FILE* file_;
};

class BufferOutput final : public Output {
public:
    void write(std::string_view bytes) override { bytes_.append(bytes.data(), static_cast<qsizetype>(bytes.size())); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

}  // namespace ringfeld::cli
