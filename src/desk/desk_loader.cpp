#include "desk/desk_loader.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <memory>

namespace wepn {
namespace {

// Small enough that the first rows show at once, large enough that 20,000
// weapons are not 20,000 model insertions.
constexpr std::size_t kChunk = 64;
// Batches posted but not yet taken in: the workers wait beyond this, so the
// window never has a backlog to work through before it answers the user.
constexpr std::ptrdiff_t kInFlight = 4;

} // namespace

DeskLoader::DeskLoader(QObject* parent) : QObject(parent) {}

DeskLoader::~DeskLoader() {
    m_cancelled = true;
    joinWorkers();
}

void DeskLoader::start(std::size_t count, LoadOne load) {
    m_cancelled = true;
    joinWorkers();
    ++m_generation;
    m_load = std::move(load);
    m_count = count;
    m_chunks = (count + kChunk - 1) / kChunk;
    m_nextChunk = 0;
    m_cancelled = false;
    m_room = std::make_shared<Slots>(kInFlight);
    m_waiting.clear();
    m_nextToDeliver = 0;
    m_delivered = 0;
    if (m_chunks == 0) {
        QMetaObject::invokeMethod(
            this, [this, generation = m_generation] { finish(generation); }, Qt::QueuedConnection);
        return;
    }
    // One core stays with the window; loading is mostly parsing, not waiting.
    const std::size_t threads =
        std::clamp<std::size_t>(std::thread::hardware_concurrency() - 1, 1, 4);
    for (std::size_t k = 0; k < std::min(threads, m_chunks); ++k) {
        m_workers.emplace_back(&DeskLoader::work, this, m_generation);
    }
}

void DeskLoader::cancel() {
    if (!isRunning()) {
        return;
    }
    m_cancelled = true;
    // Each worker stops after its file; the batches they posted are queued
    // before the end posted here.
    joinWorkers();
    QMetaObject::invokeMethod(
        this, [this, generation = m_generation] { finish(generation); }, Qt::QueuedConnection);
}

void DeskLoader::work(std::size_t generation) {
    const std::shared_ptr<Slots> room = m_room;
    for (std::size_t chunk = m_nextChunk++; chunk < m_chunks; chunk = m_nextChunk++) {
        while (!room->try_acquire_for(std::chrono::milliseconds(20))) {
            if (m_cancelled) {
                return;
            }
        }
        auto batch = std::make_shared<std::vector<DeskWeapon>>();
        const std::size_t end = std::min(m_count, (chunk + 1) * kChunk);
        for (std::size_t index = chunk * kChunk; index < end && !m_cancelled; ++index) {
            batch->push_back(m_load(index));
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, chunk, batch, room] {
                room->release();
                deliver(generation, chunk, std::move(*batch));
            },
            Qt::QueuedConnection);
        if (m_cancelled) {
            return;
        }
    }
}

void DeskLoader::deliver(std::size_t generation, std::size_t chunk, std::vector<DeskWeapon> batch) {
    if (generation != m_generation) {
        return;
    }
    m_waiting.emplace(chunk, std::move(batch));
    while (!m_waiting.empty() && m_waiting.begin()->first == m_nextToDeliver) {
        handOver();
    }
    if (m_nextToDeliver == m_chunks) {
        finish(generation);
    }
}

void DeskLoader::handOver() {
    std::vector<DeskWeapon> next = std::move(m_waiting.begin()->second);
    m_nextToDeliver = m_waiting.begin()->first + 1;
    m_waiting.erase(m_waiting.begin());
    m_delivered += next.size();
    emit loaded(next);
    emit progress(static_cast<qsizetype>(m_delivered), static_cast<qsizetype>(m_count));
}

void DeskLoader::finish(std::size_t generation) {
    if (generation != m_generation) {
        return;
    }
    // After a cancel, chunks cut short leave gaps; the rows keep listing order.
    while (!m_waiting.empty()) {
        handOver();
    }
    ++m_generation;
    joinWorkers();
    emit finished(m_delivered < m_count);
}

void DeskLoader::joinWorkers() {
    for (std::thread& worker : m_workers) {
        worker.join();
    }
    m_workers.clear();
}

} // namespace wepn
