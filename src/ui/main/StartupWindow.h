#pragma once

#include <QWidget>

namespace z3 {

// A plain stand-in for the skinned main window: titled and iconed like it, so
// that the program shell (single instance, restore) is complete on its own.
class StartupWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartupWindow(QWidget* parent = nullptr);

    // Shows the window normal-sized and in front, also when it was hidden.
    void restore();
};

} // namespace z3
