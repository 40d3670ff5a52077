#include "ui/main/WindowDeviceUi.h"

#include "ui/common/AppIdentity.h"

#include <QApplication>
#include <QMessageBox>

namespace z3 {

void showFixedMessage(QWidget* owner, std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, kMainWindowTitle,
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, owner);
    box.exec();
}

WindowDeviceUi::WindowDeviceUi(QWidget& window)
    : m_window(&window)
{ }

void WindowDeviceUi::invalidateWindow()
{
    QMetaObject::invokeMethod(
        qApp,
        [window = m_window] {
            if (window)
                window->update();
        },
        Qt::QueuedConnection);
}

void WindowDeviceUi::showMessage(std::string_view text)
{
    QMetaObject::invokeMethod(
        qApp, [window = m_window, text = std::string(text)] { showFixedMessage(window, text); },
        Qt::QueuedConnection);
}

void WindowDeviceUi::destroyWindow()
{
    QMetaObject::invokeMethod(
        qApp,
        [window = m_window] {
            if (window)
                window->hide();
            QApplication::quit();
        },
        Qt::QueuedConnection);
}

void WindowMessages::showMessage(std::string_view text)
{
    showFixedMessage(m_owner, text);
}

} // namespace z3
