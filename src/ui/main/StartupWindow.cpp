#include "ui/main/StartupWindow.h"

#include "core/config/ConfigModel.h"
#include "core/config/ConfigRules.h"
#include "ui/common/AppIdentity.h"

#include <QCloseEvent>
#include <QPainter>
#include <QWindow>

namespace z3 {
namespace {

const QColor kBackground(24, 26, 31);
const QColor kPanel(34, 37, 44);
const QColor kAccent(226, 36, 60);
const QColor kText(235, 235, 240);
const QColor kMuted(150, 154, 165);
const QColor kStatus(255, 214, 64);

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

StartupWindow::StartupWindow(const ConfigModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setWindowTitle(kMainWindowTitle);
    setWindowIcon(applicationIcon());
    setFixedSize(560, 300);
}

void StartupWindow::restore()
{
    // A window unmapped behind Qt's back (iconified by the window manager,
    // hidden by another tool) still counts as visible to Qt: map it anew.
    if (windowHandle() != nullptr && !windowHandle()->isExposed())
        hide();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void StartupWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeHandler)
        return QWidget::closeEvent(event);
    event->ignore();
    m_closeHandler();
}

void StartupWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);

    // Header: icon, product name, accent rule.
    const QRect header(0, 0, width(), 84);
    painter.fillRect(header, kPanel);
    painter.fillRect(QRect(0, header.bottom() - 2, width(), 3), kAccent);
    applicationIcon().paint(&painter, QRect(24, 18, 48, 48));
    QFont title = font();
    title.setPointSize(17);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kText);
    painter.drawText(
        QRect(88, 14, width() - 100, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZERRAT Z3"));
    QFont small = font();
    small.setPointSize(9);
    painter.setFont(small);
    painter.setPen(kMuted);
    painter.drawText(QRect(90, 48, width() - 100, 22), Qt::AlignLeft | Qt::AlignVCenter, kMainWindowTitle);

    // Two facts of the configuration in effect, then the status line.
    QFont value = font();
    value.setPointSize(15);
    value.setBold(true);
    const auto tile = [&](const QRect& area, const QString& caption, const QString& text) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPanel);
        painter.drawRoundedRect(area, 8, 8);
        painter.setFont(small);
        painter.setPen(kMuted);
        painter.drawText(area.adjusted(16, 10, -16, 0), Qt::AlignLeft | Qt::AlignTop, caption);
        painter.setFont(value);
        painter.setPen(kText);
        painter.drawText(area.adjusted(16, 0, -16, -12), Qt::AlignLeft | Qt::AlignBottom, text);
    };
    const int tileWidth = (width() - 24 * 3) / 2;
    tile(QRect(24, 108, tileWidth, 84), QStringLiteral("配置"), QString::number(m_model.profileIndex.load()));
    tile(QRect(48 + tileWidth, 108, tileWidth, 84), QStringLiteral("DPI"),
        fromUtf8(activeDpiText(m_model)) + QStringLiteral("  ·  档位 ")
            + QString::number(activeStage(m_model)));

    const QRect statusArea(24, 216, width() - 48, 52);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(statusArea, 8, 8);
    painter.setBrush(m_model.driverRunning ? QColor(60, 200, 110) : kStatus);
    painter.drawEllipse(QPoint(statusArea.left() + 22, statusArea.center().y() + 1), 5, 5);
    painter.setFont(small);
    painter.setPen(kStatus);
    painter.drawText(statusArea.adjusted(40, 0, -16, 0), Qt::AlignLeft | Qt::AlignVCenter,
        fromUtf8(statusLineText(m_model)));
}

} // namespace z3
