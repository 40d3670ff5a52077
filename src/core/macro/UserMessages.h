#pragma once

#include <string_view>

namespace z3 {

// The fixed texts the macro code shows to the user.
namespace UserMessageText {
inline constexpr std::string_view ConfigFileMissing = "找不到配置文件";
inline constexpr std::string_view Overflow = "Overflow!!!";
} // namespace UserMessageText

// Shows a fixed text to the user. The user interface implements it as a
// message box (OK button, no icon, captioned with the application's name,
// owned by the main window) and returns when the box is closed. Called on the
// user-interface thread only.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(std::string_view text) = 0;
};

} // namespace z3
