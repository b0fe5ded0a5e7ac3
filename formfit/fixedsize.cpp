// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "fixedsize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kCompositorSized = Qt::WindowMaximized | Qt::WindowFullScreen;

class WaylandSizeKeeper : public QObject
{
public:
    WaylandSizeKeeper(QWidget *window, const QSize &size)
        : QObject(window)
        , window(window)
        , size(size)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && window->windowHandle() != handle) {
            handle = window->windowHandle();
            connect(handle, &QWindow::windowStateChanged, this, &WaylandSizeKeeper::stateChanged);
        } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
            // The compositor's own word. Restored: fixed any earlier, the next
            // frame would still answer the maximized configuration.
            if (window->windowState() & kCompositorSized)
                fillScreen();
            else
                window->setFixedSize(size);
        } else if (event->type() == QEvent::Resize && (window->windowState() & Qt::WindowFullScreen)) {
            fillScreen();
        }
        return false;
    }

    void stateChanged(Qt::WindowState state)
    {
        if (state & kCompositorSized) {
            // Asked for by the program (the request leaves before the answer
            // comes back, so the configured size must not meet the fixed
            // one) or started by the compositor: free the size.
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else if (!(window->windowState() & kCompositorSized)) {
            // The compositor answered a request without the state (KWin
            // refuses to maximize a fixed window): fixed again.
            window->setFixedSize(size);
        }
    }

    // Full screen started by the compositor's menu was configured while the
    // size was still fixed, and Qt kept the fixed size: the window fills
    // its screen, as a bare window does. Only then: mutter at 200 % tells Qt
    // a screen twice the size it configures.
    void fillScreen()
    {
        // Through the native window: QWidget::resize() would end the state.
        if ((window->windowState() & Qt::WindowFullScreen) && handle && handle->size() == size)
            handle->resize(handle->screen()->size());
    }

private:
    QWidget *window;
    QSize size;
    QPointer<QWindow> handle;
};

} // namespace

void fixWindowSize(QWidget *window, const QSize &size)
{
    window->setFixedSize(size);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new WaylandSizeKeeper(window, size);
}
