#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <sched.h>
#include <thread>
#include <vector>

namespace wepn {

// The cores this process may run on (as `taskset` or a container limits
// them), at least one: more threads than these would only take turns.
inline std::size_t usableCores() {
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0) {
        return std::size_t(std::max(1, CPU_COUNT(&cores)));
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

// How many threads parallelFor may use, and how many items each needs at
// least to be worth starting.
struct ParallelShape {
    std::size_t maxThreads = 0; // 0: as many as usable cores
    std::size_t itemsPerThread = 64;
};

// Calls work(i) for every i below count, spread over the usable cores (or as
// many threads as `shape` allows) once there are enough items to pay for a
// thread. Items must be independent.
template <class Work>
void parallelFor(std::size_t count, const Work& work, ParallelShape shape = {}) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    const std::size_t maxThreads = shape.maxThreads != 0 ? shape.maxThreads : usableCores();
    const std::size_t threads =
        std::min(maxThreads, count / std::max<std::size_t>(shape.itemsPerThread, 1) + 1);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(run);
    }
    run();
}

} // namespace wepn
