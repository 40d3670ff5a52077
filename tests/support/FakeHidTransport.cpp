#include "support/FakeHidTransport.h"

#include <algorithm>

namespace z3::test {

class FakeHidTransport::Handle : public HidHandle {
public:
    Handle(std::shared_ptr<Shared> shared, std::string path)
        : m_shared(std::move(shared))
        , m_path(std::move(path))
    { }

    bool sendFeatureReport(std::span<const uint8_t> report) override
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->unplugged || m_shared->sendsFail)
            return false;
        m_shared->sent.push_back({m_path, {report.begin(), report.end()}});
        return true;
    }

    HidReadResult readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override
    {
        std::unique_lock lock(m_shared->mutex);
        auto ready = [&] {
            return m_stopped || m_shared->unplugged
                || std::ranges::any_of(m_shared->input, [&](const auto& r) { return r.first == m_path; });
        };
        ++m_shared->blocked;
        const bool woken = m_shared->changed.wait_for(lock, timeout, ready);
        --m_shared->blocked;
        if (!woken)
            return {HidReadStatus::Timeout, 0};
        if (m_stopped)
            return {HidReadStatus::Stopped, 0};
        if (m_shared->unplugged)
            return {HidReadStatus::Failed, 0};
        auto it = std::ranges::find_if(m_shared->input, [&](const auto& r) { return r.first == m_path; });
        const std::size_t length = std::min(buffer.size(), it->second.size());
        std::copy_n(it->second.begin(), length, buffer.begin());
        m_shared->input.erase(it);
        return {HidReadStatus::Report, length};
    }

    void stopReading() override
    {
        std::lock_guard lock(m_shared->mutex);
        m_stopped = true;
        m_shared->changed.notify_all();
    }

private:
    std::shared_ptr<Shared> m_shared;
    std::string m_path;
    bool m_stopped = false; // guarded by m_shared->mutex
};

std::unique_ptr<HidHandle> FakeHidTransport::open(const std::string& path, HidAccess access)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->opens.push_back({path, access});
    if (failingOpens.contains(path))
        return nullptr;
    return std::make_unique<Handle>(m_shared, path);
}

void FakeHidTransport::pushInputReport(const std::string& path, std::vector<uint8_t> bytes)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->input.emplace_back(path, std::move(bytes));
    m_shared->changed.notify_all();
}

void FakeHidTransport::unplugAll()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->unplugged = true;
    m_shared->changed.notify_all();
}

void FakeHidTransport::setSendsFail(bool fail)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->sendsFail = fail;
}

int FakeHidTransport::blockedReaders() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->blocked;
}

std::vector<FakeHidTransport::Open> FakeHidTransport::opens() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->opens;
}

std::vector<FakeHidTransport::SentReport> FakeHidTransport::sentReports() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->sent;
}

} // namespace z3::test
