// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Long runs on every core, written in order. Rows [0, count) are cut into blocks of
// kBlockRows; `make(begin, end, result)` computes a block into `result` on one of the
// cores and `take(result)` receives the blocks' results on the calling thread in row
// order. A few results are made ahead at most and then used again for later blocks, so
// the memory does not grow with the rows and a text keeps its capacity (make() first
// empties what it fills). The blocks, hence the output, do not depend on the cores.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

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
    std::condition_variable changed;
    std::size_t next = 0, taken = 0;
    auto work = [&] {
        std::unique_lock lock(mutex);
        while (true) {
            changed.wait(lock, [&] { return next == blocks || next < taken + ahead; });
            if (next == blocks) return;
            const std::size_t b = next++;
            lock.unlock();
            fill(b, results[b % ahead]);
            lock.lock();
            made[b % ahead] = true;
            changed.notify_all();
        }
    };
    std::vector<std::jthread> workers;
    for (std::size_t i = 0; i < cores; ++i) workers.emplace_back(work);
    while (taken < blocks) {
        const std::size_t slot = taken % ahead;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return made[slot]; });
        }
        take(static_cast<const Result&>(results[slot]));
        {
            std::lock_guard lock(mutex);
            made[slot] = false;
            ++taken;
        }
        changed.notify_all();
    }
}

}  // namespace ringfeld::cli
