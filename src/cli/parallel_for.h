#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace wepn {

// How many threads parallelFor may use, and how many items each needs at
// least to be worth starting.
struct ParallelShape {
    std::size_t maxThreads = std::max(1u, std::thread::hardware_concurrency());
    std::size_t itemsPerThread = 64;
};

// Calls work(i) for every i below count, spread over the processor's cores
// once there are enough items to pay for a thread. Items must be independent.
template <class Work>
void parallelFor(std::size_t count, const Work& work, ParallelShape shape = {}) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    const std::size_t threads =
        std::min(shape.maxThreads, count / std::max<std::size_t>(shape.itemsPerThread, 1) + 1);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(run);
    }
    run();
}

} // namespace wepn
