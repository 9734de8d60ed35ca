#pragma once

#include "sheet/desk_weapon.h"

#include <QObject>
#include <atomic>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <semaphore>
#include <thread>
#include <vector>

namespace wepn {

// Loads the weapons of a folder on worker threads and hands them to the GUI
// thread in batches, in the order of the listing, until done or cancelled.
class DeskLoader : public QObject {
    Q_OBJECT

  public:
    // Loads the weapon at `index` of the listing; called on worker threads.
    using LoadOne = std::function<DeskWeapon(std::size_t index)>;

    explicit DeskLoader(QObject* parent = nullptr);
    ~DeskLoader() override;

    // Cancels any load under way, then loads `count` weapons.
    void start(std::size_t count, LoadOne load);
    // Stops the workers after the file each is loading; what was loaded has
    // been or will still be handed over before `finished`.
    void cancel();
    bool isRunning() const { return !m_workers.empty(); }

  signals:
    void loaded(std::vector<DeskWeapon>& batch);
    void progress(qsizetype done, qsizetype total);
    void finished(bool cancelled);

  private:
    void work(std::size_t generation);
    void deliver(std::size_t generation, std::size_t chunk, std::vector<DeskWeapon> batch);
    void handOver();
    void finish(std::size_t generation);
    void joinWorkers();

    using Slots = std::counting_semaphore<64>;

    LoadOne m_load;
    std::shared_ptr<Slots> m_room;
    std::size_t m_count = 0;
    std::size_t m_chunks = 0;
    std::size_t m_generation = 0;
    std::atomic<std::size_t> m_nextChunk{0};
    std::atomic<bool> m_cancelled{false};
    std::vector<std::thread> m_workers;
    // Batches that arrived ahead of an earlier one, by chunk.
    std::map<std::size_t, std::vector<DeskWeapon>> m_waiting;
    std::size_t m_nextToDeliver = 0;
    std::size_t m_delivered = 0;
};

} // namespace wepn
