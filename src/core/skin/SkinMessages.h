#pragma once

#include <string_view>

namespace z3 {

// What the skin loading reports to the user interface. The texts are the
// program's fixed message-box texts; the ui shows them captioned with the
// application's name (OK button, no icon).
class SkinMessageSink {
public:
    static constexpr std::string_view kFileNotFound = "找不到配置文件";
    static constexpr std::string_view kBadRow = "加载ini错误！";

    virtual ~SkinMessageSink() = default;

    // Shows a message box and returns when the user has closed it.
    virtual void showMessage(std::string_view text) = 0;
    // A layout file could not be opened: the program must close through its
    // normal close sequence. Called once, after the message.
    virtual void closeProgram() = 0;
};

} // namespace z3
