#pragma once

#include "platform/hid/VirtualMouseDevice.h"

#include <atomic>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace z3::test {

// Runs a VirtualMouseDevice on its own thread, as the tool does, and lets a
// test act on it there. Feature reports received are collected.
class VirtualMouseServer {
public:
    VirtualMouseServer(std::string root, VirtualMouseDevice::Options options)
        : m_device(
            std::move(root), std::move(options),
            [this](const std::vector<uint8_t>& report) {
                std::lock_guard lock(m_mutex);
                m_features.push_back(report);
            },
            nullptr)
        , m_thread([this] { loop(); })
    { }

    ~VirtualMouseServer()
    {
        m_stop = true;
        m_thread.join();
    }

    // Runs `action` on the device's thread and waits for it.
    template <typename F> auto run(F action) -> decltype(action(std::declval<VirtualMouseDevice&>()))
    {
        std::packaged_task<decltype(action(std::declval<VirtualMouseDevice&>()))()> task(
            [&] { return action(m_device); });
        auto result = task.get_future();
        {
            std::lock_guard lock(m_mutex);
            m_tasks.emplace_back([&] { task(); });
        }
        return result.get();
    }

    std::vector<std::vector<uint8_t>> features() const
    {
        std::lock_guard lock(m_mutex);
        return m_features;
    }

private:
    void loop()
    {
        std::vector<pollfd> fds;
        while (!m_stop) {
            std::vector<std::function<void()>> tasks;
            {
                std::lock_guard lock(m_mutex);
                tasks.swap(m_tasks);
            }
            for (auto& task : tasks)
                task();
            fds.clear();
            m_device.appendPollFds(fds);
            if (poll(fds.data(), fds.size(), 5) > 0)
                m_device.handlePollFds(fds);
        }
        m_device.unplug();
    }

    mutable std::mutex m_mutex;
    std::vector<std::function<void()>> m_tasks;
    std::vector<std::vector<uint8_t>> m_features;
    std::atomic<bool> m_stop{false};
    VirtualMouseDevice m_device;
    std::thread m_thread;
};

} // namespace z3::test
