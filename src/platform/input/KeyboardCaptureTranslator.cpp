#include "platform/input/KeyboardCaptureTranslator.h"

#include "core/keys/VirtualKeys.h"

namespace z3 {
namespace {

constexpr int kF10 = 0x79;

} // namespace

std::optional<KeyMessage> KeyboardCaptureTranslator::translate(
    bool press, uint32_t xKeycode, bool altHeld, bool ctrlHeld)
{
    if (xKeycode < kXKeycodeOffset || xKeycode > 0xFFFF)
        return std::nullopt;
    const std::optional<int> vk = vkFromEvdev(static_cast<int>(xKeycode - kXKeycodeOffset));
    if (!vk)
        return std::nullopt;
    const bool isAlt = *vk == vk::LeftMenu || *vk == vk::RightMenu || *vk == vk::Menu;
    const bool alt = altHeld || m_leftAlt || m_rightAlt;
    const bool ctrl = ctrlHeld || m_leftCtrl || m_rightCtrl;
    const bool sys = *vk == kF10 || ((isAlt || alt) && !ctrl);

    // Track the modifiers after deciding: a key's own state counts only for
    // the keys after it.
    switch (*vk) {
    case vk::LeftMenu:
        m_leftAlt = press;
        break;
    case vk::RightMenu:
        m_rightAlt = press;
        break;
    case vk::LeftControl:
        m_leftCtrl = press;
        break;
    case vk::RightControl:
        m_rightCtrl = press;
        break;
    default:
        break;
    }
    const uint32_t message = press ? (sys ? WindowMessage::SysKeyDown : WindowMessage::KeyDown)
                                   : (sys ? WindowMessage::SysKeyUp : WindowMessage::KeyUp);
    return KeyMessage{message, static_cast<uint32_t>(*vk)};
}

void KeyboardCaptureTranslator::reset()
{
    m_leftAlt = m_rightAlt = m_leftCtrl = m_rightCtrl = false;
}

} // namespace z3
