#pragma once

#include <QWidget>
#include <functional>

namespace z3 {

struct ConfigModel;

// A plain stand-in for the skinned main window: titled and iconed like it,
// showing the driver status line, the active profile and the DPI in effect,
// so that the program shell and the device link are complete on their own.
class StartupWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartupWindow(const ConfigModel& model, QWidget* parent = nullptr);

    // Runs instead of closing when the user closes the window (the program's
    // close sequence); without one the window just closes.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

    // Shows the window normal-sized and in front, also when it was hidden.
    void restore();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const ConfigModel& m_model;
    std::function<void()> m_closeHandler;
};

} // namespace z3
