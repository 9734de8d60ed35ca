#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace wepn {

// Calls work(i) for every i below count, spread over the processor's cores
// once there are enough items to pay for a thread. Items must be independent.
template <class Work> void parallelFor(std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    constexpr std::size_t kItemsPerThread = 64;
    const std::size_t threads = std::min<std::size_t>(
        std::max(1u, std::thread::hardware_concurrency()), count / kItemsPerThread + 1);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(run);
    }
    run();
}

} // namespace wepn
