// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "fixedsize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
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
            // The request leaves for the compositor before its answer comes
            // back: free the size as soon as Qt asks, so that the configured
            // size is not clamped to the fixed one.
            handle = window->windowHandle();
            connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if (state & kCompositorSized)
                    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            });
        } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()
                   && !(window->windowState() & kCompositorSized)) {
            // Only the compositor's own word that the window is restored:
            // fixed any earlier, the next frame would still answer the
            // maximized configuration.
            window->setFixedSize(size);
        }
        return false;
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
