// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What ringfeld-calc writes: text (a table), JSON or CSV, by the names --format
// takes; and where it writes: a stream such as stdout (stdio buffers it), or a
// buffer that keeps everything, for the fuzz target and the benchmarks.

#include <QByteArray>

#include <array>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <utility>

namespace ringfeld::cli {

enum class OutputFormat { Text, Json, Csv };
inline constexpr std::array<std::pair<OutputFormat, std::string_view>, 3> kOutputFormats{
    {{OutputFormat::Text, "text"}, {OutputFormat::Json, "json"}, {OutputFormat::Csv, "csv"}}};

class Output {
public:
    virtual ~Output() = default;
    virtual void write(std::string_view bytes) = 0;
    // After the last write: 0 when everything reached its place, else the system's error number.
    virtual int finish() { return 0; }
};

class FileOutput final : public Output {
public:
    explicit FileOutput(std::FILE* file) : file_(file) {}
    void write(std::string_view bytes) override {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() && error_ == 0) error_ = errno;
    }
    int finish() override {
        if (std::fflush(file_) != 0 && error_ == 0) error_ = errno;
        if (error_ == 0 && std::ferror(file_) != 0) error_ = EIO;
        return error_;
    }

private:
    std::FILE* file_;
    int error_ = 0;
};

class BufferOutput final : public Output {
public:
    void write(std::string_view bytes) override { bytes_.append(bytes.data(), static_cast<qsizetype>(bytes.size())); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

}  // namespace ringfeld::cli
