#include "platform/input/HostInputFactory.h"

#include "platform/input/HostInputUinput.h"
#include "platform/input/HostInputXTest.h"

#include <cstdlib>

namespace z3 {

namespace {

class DroppedHostInput final : public HostInput {
public:
    void key(int, KeyDirection) override { }
    void mouseButton(MouseButton, KeyDirection) override { }
};

} // namespace

std::unique_ptr<HostInput> createHostInput()
{
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        return std::make_unique<HostInputXTest>(display);
    if (HostInputUinput::available())
        return std::make_unique<HostInputUinput>();
    return std::make_unique<DroppedHostInput>();
}

} // namespace z3
