#include "SkinGeometry.h"

namespace z3::skin_builder {

int sliderPosition(int valueCode)
{
    return (valueCode + 4) % 5;
}

namespace {

MainGeometry makeMainGeometry()
{
    MainGeometry g{};
    auto& r = g.regions;
    r[0] = {"save", {24, 356, 136, 34}, "保存配置"};
    r[1] = {"status", {24, 590, 470, 30}, ""};
    r[2] = {"close", {560, 588, 100, 34}, "关闭"};
    r[3] = {"apply", {672, 588, 108, 34}, "应用"};
    for (int i = 0; i < 5; ++i) {
        static const char* const names[] = {"profile1", "profile2", "profile3", "profile4", "profile5"};
        static const char* const labels[] = {"配置 1", "配置 2", "配置 3", "配置 4", "配置 5"};
        r[4 + i] = {names[i], {24, 108 + i * 46, 136, 38}, labels[i]};
    }
    r[9] = {"tab_buttons", {196, 66, 128, 36}, "按键设置"};
    r[10] = {"tab_macros", {332, 66, 128, 36}, "宏管理"};
    r[11] = {"tab_lighting", {468, 66, 128, 36}, "灯光设置"};
    r[12] = {"minimise", {712, 14, 32, 26}, ""};
    r[13] = {"to_tray", {748, 14, 32, 26}, ""};
    r[14] = {"import", {24, 396, 136, 34}, "导入配置"};
    r[15] = {"export", {24, 436, 136, 34}, "导出配置"};
    r[16] = {"reset", {24, 476, 136, 34}, "恢复默认"};

    // Button labels beside the mouse: left button and the two side buttons
    // on the left, right button, wheel click and DPI button on the right.
    r[17] = {"button1", {196, 150, 156, 34}, ""};
    r[18] = {"button2", {620, 150, 156, 34}, ""};
    r[19] = {"button3", {620, 210, 156, 34}, ""};
    r[20] = {"button4", {196, 210, 156, 34}, ""};
    r[21] = {"button5", {196, 270, 156, 34}, ""};
    r[22] = {"button6", {620, 270, 156, 34}, ""};
    r[23] = {"buttons_title", {198, 114, 80, 24}, "按键功能分配"};
    r[24] = {"dpi_title", {198, 346, 72, 24}, "DPI 灵敏度"};
    r[25] = {"enable_header", {660, 374, 100, 20}, "启用"};
    r[26] = {"stage_header", {196, 374, 96, 20}, "档位"};
    for (int s = 0; s < 4; ++s) {
        static const char* const toggles[] = {"enable1", "enable2", "enable3", "enable4"};
        static const char* const stages[] = {"stage1", "stage2", "stage3", "stage4"};
        static const char* const lights[] = {"active1", "active2", "active3", "active4"};
        const int y = kStageRowTop + s * kStageRowPitch;
        r[27 + s] = {toggles[s], {660, y, 100, kSliderHeight}, ""};
        r[41 + s] = {stages[s], {220, y, 72, kSliderHeight}, ""};
        r[65 + s] = {lights[s], {200, y + 7, 14, 14}, ""};
        for (int v = 0; v < 5; ++v) {
            static const char* const values[]
                = {"dpi_value0", "dpi_value1", "dpi_value2", "dpi_value3", "dpi_value4"};
            r[45 + 5 * s + v] = {values[v],
                {kSliderLeft + sliderPosition(v) * kSliderStep, y, kSliderStep, kSliderHeight}, ""};
        }
    }
    r[31] = {"wheel_title", {196, 538, 96, 28}, "滚轮方向"};
    r[32] = {"wheel_normal", {304, 538, 120, 28}, "标准"};
    r[33] = {"wheel_reversed", {432, 538, 120, 28}, "反向"};
    r[34] = {"buttons_hint", {630, 114, 146, 24}, "点击功能名称可重新分配"};
    r[35] = {"dpi_hint", {592, 346, 184, 24}, "点击档位切换，红灯为当前档位"};
    r[36] = {"unused", {0, 0, 0, 0}, ""};
    // The mouse illustration's button indicators: left, right, wheel, two
    // side buttons, DPI button.
    r[69] = {"led_button1", {448, 168, 14, 14}, ""};
    r[70] = {"led_button2", {510, 168, 14, 14}, ""};
    r[71] = {"led_button3", {479, 146, 14, 14}, ""};
    r[72] = {"led_button4", {414, 222, 14, 14}, ""};
    r[73] = {"led_button5", {414, 258, 14, 14}, ""};
    r[74] = {"led_button6", {479, 200, 14, 14}, ""};
    for (int i : {37, 38, 39, 40, 75, 76, 77, 78, 79})
        r[i] = {"unused", {0, 0, 0, 0}, ""};

    g.functionLabels = {"",
        // Function menu rows 1..10: six functions, four categories.
        "左键", "右键", "中键", "前进", "后退", "DPI 循环切换", "鼠标进阶", "多媒体", "宏命令", "快捷功能",
        // Category "鼠标进阶", codes 11..18.
        "左键双击", "左键连击", "滚轮向上", "滚轮向下", "滚轮左倾", "滚轮右倾", "DPI 增加", "DPI 减少",
        // 19 and 20 are not offered.
        "取色键", "",
        // Category "多媒体", codes 21..26.
        "播放/暂停", "下一曲", "上一曲", "音量增大", "音量减小", "静音",
        // 27..30 are not offered.
        "", "", "", "",
        // Category "快捷功能", codes 31..40.
        "复制", "粘贴", "全选", "撤销", "关闭窗口", "打开文件管理器", "锁定屏幕", "计算器", "终端",
        "切换配置",
        // 41..52 show the stored macro's name; these are the fallbacks.
        "宏 1", "宏 2", "宏 3", "宏 4", "宏 5", "宏 6", "宏 7", "宏 8", "宏 9", "宏 10", "宏 11", "宏 12",
        // 53 and 54 are not offered.
        "", ""};
    return g;
}

std::array<RegionSpec, 12> makeColourGeometry()
{
    return {{
        {"mode_slow_blink", {196, 148, 220, 40}, "慢速闪烁"},
        {"mode_fast_blink", {196, 198, 220, 40}, "快速闪烁"},
        {"mode_steady", {196, 248, 220, 40}, "常亮"},
        {"mode_off", {196, 298, 220, 40}, "关闭"},
        {"modes_title", {196, 114, 220, 24}, "灯光模式"},
        {"preview_title", {440, 114, 336, 24}, "灯光预览"},
        {"dpi_title", {196, 360, 220, 24}, "当前 DPI"},
        {"colours_title", {196, 452, 220, 24}, "档位颜色"},
        {"preview_hint", {440, 484, 336, 24}, "预览显示鼠标上已生效的灯光"},
        {"dpi_value", {196, 388, 220, 48}, ""},
        {"apply_hint", {440, 512, 336, 24}, "选择模式后点击“应用”写入鼠标"},
        {"preview", {440, 146, 336, 330}, ""},
    }};
}

AdvancedGeometry makeAdvancedGeometry()
{
    AdvancedGeometry g{};
    g.regions = {{
        {"import", {272, 484, 68, 32}, "导入"},
        {"export", {348, 484, 68, 32}, "导出"},
        {"create", {352, 144, 64, 34}, "新建"},
        {"delete", {196, 484, 68, 32}, "删除"},
        {"record", {646, 144, 130, 34}, "录制"},
        {"set_repeat", {688, 484, 88, 32}, "设置"},
        {"repeat", {440, 484, 84, 32}, "循环"},
        {"macros_title", {196, 114, 220, 24}, "宏列表"},
        {"events_title", {440, 114, 180, 24}, "按键事件"},
        {"repeat_title", {532, 484, 70, 32}, "重复次数"},
        {"presses", {440, 144, 64, 34}, ""},
        {"releases", {512, 144, 64, 34}, ""},
        {"events_hint", {440, 524, 336, 24}, "在事件列表中右键可插入或删除步骤"},
        {"name_hint", {196, 524, 220, 24}, "输入名称后点击新建"},
    }};
    g.repeatEdit = {612, 488, 64, 24};
    g.nameEdit = {202, 150, 138, 22};
    g.macroList = {200, 190, 212, 280};
    g.eventList = {444, 190, 328, 280};
    return g;
}

} // namespace

const MainGeometry& mainGeometry()
{
    static const MainGeometry geometry = makeMainGeometry();
    return geometry;
}

const std::array<RegionSpec, 12>& colourGeometry()
{
    static const auto geometry = makeColourGeometry();
    return geometry;
}

const AdvancedGeometry& advancedGeometry()
{
    static const AdvancedGeometry geometry = makeAdvancedGeometry();
    return geometry;
}

const std::array<RegionSpec, 3>& warningGeometry()
{
    static const std::array<RegionSpec, 3> geometry = {{
        {"continue", {46, 118, 116, 36}, "继续"},
        {"cancel", {178, 118, 116, 36}, "取消"},
        {"message", {20, 56, 300, 44}, "这是唯一的左键，确定要更改它吗？"},
    }};
    return geometry;
}

} // namespace z3::skin_builder
