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

// Calls work(i) for every i below count, spread over the usable cores once
// there are enough items to pay for a thread. Items must be independent.
template <class Work> void parallelFor(std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    constexpr std::size_t kItemsPerThread = 64;
    const std::size_t threads = std::min(usableCores(), count / kItemsPerThread + 1);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(run);
    }
    run();
}

} // namespace wepn
