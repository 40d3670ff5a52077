#include "platform/input/HostInputUinput.h"

#include "core/keys/VirtualKeys.h"

#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace z3 {

namespace {

constexpr const char* kUinputPath = "/dev/uinput";

bool writeEvent(int fd, unsigned short type, unsigned short code, int value)
{
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return write(fd, &event, sizeof event) == static_cast<ssize_t>(sizeof event);
}

} // namespace

HostInputUinput::~HostInputUinput()
{
    if (m_fd >= 0) {
        ioctl(m_fd, UI_DEV_DESTROY);
        close(m_fd);
    }
}

bool HostInputUinput::available()
{
    return access(kUinputPath, W_OK) == 0;
}

bool HostInputUinput::ensureDevice()
{
    if (m_fd >= 0 || m_attempted)
        return m_fd >= 0;
    m_attempted = true;
    const int fd = open(kUinputPath, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0 && ioctl(fd, UI_SET_EVBIT, EV_SYN) == 0;
    // Every key the virtual-key table can produce, plus the three buttons.
    for (int vkCode = 0; ok && vkCode <= 0xFF; ++vkCode) {
        if (const auto evdev = evdevFromVk(vkCode))
            ok = ioctl(fd, UI_SET_KEYBIT, *evdev) == 0;
    }
    for (int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE})
        ok = ok && ioctl(fd, UI_SET_KEYBIT, button) == 0;

    uinput_setup setup{};
    setup.id.bustype = BUS_VIRTUAL;
    setup.id.vendor = 0x18F8;
    setup.id.product = 0x0F99;
    std::strncpy(setup.name, "Zerrat Z3 host actions", UINPUT_MAX_NAME_SIZE - 1);
    ok = ok && ioctl(fd, UI_DEV_SETUP, &setup) == 0 && ioctl(fd, UI_DEV_CREATE) == 0;
    if (!ok) {
        close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void HostInputUinput::emitKey(int evdevCode, KeyDirection direction)
{
    if (!ensureDevice())
        return;
    writeEvent(m_fd, EV_KEY, static_cast<unsigned short>(evdevCode), direction == KeyDirection::Down ? 1 : 0);
    writeEvent(m_fd, EV_SYN, SYN_REPORT, 0);
}

void HostInputUinput::key(int vkCode, KeyDirection direction)
{
    if (const auto evdev = evdevFromVk(vkCode))
        emitKey(*evdev, direction);
}

void HostInputUinput::mouseButton(MouseButton button, KeyDirection direction)
{
    const int code = button == MouseButton::Left ? BTN_LEFT
        : button == MouseButton::Right           ? BTN_RIGHT
                                                 : BTN_MIDDLE;
    emitKey(code, direction);
}

} // namespace z3
