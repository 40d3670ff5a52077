#include "core/device/DeviceLink.h"

#include <utility>

namespace z3 {

void DeviceLink::reset()
{
    std::lock_guard lock(m_mutex);
    m_devicePath.clear();
    m_read = {};
    m_write = {};
}

void DeviceLink::setDevicePath(std::string path)
{
    std::lock_guard lock(m_mutex);
    m_devicePath = std::move(path);
}

void DeviceLink::setReadCollection(const HidCollectionEntry& capabilities, std::unique_ptr<HidHandle> handle)
{
    std::lock_guard lock(m_mutex);
    m_read.capabilities = capabilities;
    m_read.state = handle ? HandleState::Open : HandleState::OpenFailed;
    m_read.handle = std::move(handle);
    if (m_stopped && m_read.handle)
        m_read.handle->stopReading();
}

void DeviceLink::setWriteCollection(const HidCollectionEntry& capabilities, std::unique_ptr<HidHandle> handle)
{
    std::lock_guard lock(m_mutex);
    m_write.capabilities = capabilities;
    m_write.state = handle ? HandleState::Open : HandleState::OpenFailed;
    m_write.handle = std::move(handle);
}

std::string DeviceLink::devicePath() const
{
    std::lock_guard lock(m_mutex);
    return m_devicePath;
}

DeviceLink::HandleState DeviceLink::readState() const
{
    std::lock_guard lock(m_mutex);
    return m_read.state;
}

DeviceLink::HandleState DeviceLink::writeState() const
{
    std::lock_guard lock(m_mutex);
    return m_write.state;
}

HidCollectionEntry DeviceLink::readCapabilities() const
{
    std::lock_guard lock(m_mutex);
    return m_read.capabilities;
}

HidCollectionEntry DeviceLink::writeCapabilities() const
{
    std::lock_guard lock(m_mutex);
    return m_write.capabilities;
}

std::size_t DeviceLink::inputReportLength() const
{
    std::lock_guard lock(m_mutex);
    return m_read.capabilities.inputReportLength;
}

std::size_t DeviceLink::featureReportLength() const
{
    std::lock_guard lock(m_mutex);
    return m_write.capabilities.featureReportLength;
}

std::shared_ptr<HidHandle> DeviceLink::readHandle() const
{
    std::lock_guard lock(m_mutex);
    return m_read.handle;
}

std::shared_ptr<HidHandle> DeviceLink::writeHandle() const
{
    std::lock_guard lock(m_mutex);
    return m_write.handle;
}

bool DeviceLink::sendFeatureReport(std::span<const uint8_t> report) const
{
    const auto handle = writeHandle();
    return handle && handle->sendFeatureReport(report);
}

HidReadResult DeviceLink::readInputReport(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) const
{
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped)
            return {HidReadStatus::Stopped, 0};
        handle = m_read.handle;
    }
    if (!handle)
        return {HidReadStatus::Failed, 0};
    return handle->readInputReport(buffer, timeout);
}

void DeviceLink::stopReading()
{
    std::lock_guard lock(m_mutex);
    m_stopped = true;
    if (m_read.handle)
        m_read.handle->stopReading();
}

} // namespace z3
