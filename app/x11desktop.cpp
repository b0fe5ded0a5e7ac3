// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "x11desktop.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// A connection of our own: Qt 5 offers its own only through private headers.
xcb_connection_t *connection(xcb_window_t *root = nullptr)
{
    static int screen = 0;
    static xcb_connection_t *c = [] {
        xcb_connection_t *c = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return static_cast<xcb_connection_t *>(nullptr);
        }
        return c;
    }();
    if (c && root) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screen; ++i)
            xcb_screen_next(&it);
        *root = it.data->root;
    }
    return c;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, qstrlen(name), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

class EntryNamer : public QObject
{
public:
    EntryNamer()
        : QObject(qApp)
        , appId(QGuiApplication::desktopFileName().toUtf8())
    {
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::WinIdChange && widget && widget->isWindow() && widget->internalWinId()) {
            xcb_connection_t *c = connection();
            for (const char *name : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"})
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(widget->internalWinId()),
                                    atom(c, name), atom(c, "UTF8_STRING"), 8, appId.size(), appId.constData());
            xcb_flush(c); // before Qt's own connection maps the window
        }
        return false;
    }

private:
    QByteArray appId;
};

} // namespace

void assume96DpiWithoutXftDpi()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt's own precedence: the user's QT_FONT_DPI, then Xft.dpi.
    xcb_window_t root;
    xcb_connection_t *c = qEnvironmentVariableIsSet("QT_FONT_DPI") ? nullptr : connection(&root);
    if (!c)
        return;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 20), nullptr);
    const QByteArray resources = reply ? QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                                                    xcb_get_property_value_length(reply))
                                       : QByteArray();
    std::free(reply);
    if (!resources.startsWith("Xft.dpi:") && !resources.contains("\nXft.dpi:"))
        qputenv("QT_FONT_DPI", "96");
#endif
}

void nameDesktopEntryOnX11()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb") && connection())
        qApp->installEventFilter(new EntryNamer);
}
