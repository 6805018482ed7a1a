// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Long runs on every core, written in order. Rows [0, count) are cut into blocks of
// kBlockRows; `make(begin, end, result)` computes a block into `result` on one of the
// cores (the calling thread is one of them) and `take(result)` receives the blocks'
// results in row order, one at a time: whichever thread finishes the block due next
// takes it and every block made after it. A few results are made ahead at most and
// then used again for later blocks, so the memory does not grow with the rows and a
// text keeps its capacity (make() first empties what it fills). The blocks, hence the
// output, do not depend on the number of cores.
//
// StreamRows is what every long output of ringfeld-calc is written with: each block's
// rows computed and written into its text, the texts written out in order.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/output.h"

namespace ringfeld::cli {

inline constexpr std::size_t kBlockRows = 100;

template <typename Result, typename Make, typename Take>
void RunInBlocks(std::size_t count, Make make, Take take) {
    const std::size_t blocks = (count + kBlockRows - 1) / kBlockRows;
    auto fill = [&](std::size_t b, Result& result) {
        make(b * kBlockRows, std::min(count, (b + 1) * kBlockRows), result);
    };
    const std::size_t cores = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), blocks);
    if (cores < 2) {
        Result result{};
        for (std::size_t b = 0; b < blocks; ++b) {
            fill(b, result);
            take(static_cast<const Result&>(result));
        }
        return;
    }
    // Block b is made into results[b % ahead] once block b - ahead has been taken from it.
    const std::size_t ahead = 2 * cores;
    std::vector<Result> results(ahead);
    std::vector<bool> made(ahead);
    std::mutex mutex;
    std::condition_variable room;
    std::size_t next = 0, taken = 0;
    bool taking = false;
    auto work = [&] {
        std::unique_lock lock(mutex);
        while (true) {
            room.wait(lock, [&] { return next == blocks || next < taken + ahead; });
            if (next == blocks) return;
            const std::size_t b = next++;
            lock.unlock();
            fill(b, results[b % ahead]);
            lock.lock();
            made[b % ahead] = true;
            if (taking) continue;  // the thread taking blocks takes this one too
            taking = true;
            for (std::size_t slot = taken % ahead; made[slot]; slot = taken % ahead) {
                lock.unlock();
                take(static_cast<const Result&>(results[slot]));
                lock.lock();
                made[slot] = false;
                ++taken;
                room.notify_all();
            }
            taking = false;
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < cores; ++i) helpers.emplace_back(work);
    work();
}

// Computes rows [0, count) in blocks on every core and writes them to `out` in order:
// `rowAt(index)` computes a row, `put(text, row, index)` appends it to its block's text
// (`bytesPerRow` is the room reserved for the longest rows, so the text is not moved as
// it grows). A `Tally` (default-constructed, with add(row) and add(tally)) takes in
// what each row tells, block by block in order; the tally of every row is returned.
template <typename Tally, typename RowAt, typename Put>
Tally StreamRows(std::size_t count, std::size_t bytesPerRow, Output& out, RowAt rowAt, Put put) {
    struct Block {
        std::string text;
        Tally tally;
    };
    Tally all{};
    RunInBlocks<Block>(
        count,
        [&](std::size_t begin, std::size_t end, Block& block) {
            block.text.clear();
            block.text.reserve(kBlockRows * bytesPerRow);
            block.tally = Tally{};
            for (std::size_t i = begin; i < end; ++i) {
                const auto row = rowAt(i);
                block.tally.add(row);
                put(block.text, row, i);
            }
        },
        [&](const Block& block) {
            out.write(block.text);
            all.add(block.tally);
        });
    return all;
}

}  // namespace ringfeld::cli
