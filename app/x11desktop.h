// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef X11DESKTOP_H
#define X11DESKTOP_H

// On an X server (none is needed): before the application exists, Qt 5 is
// told the 96 dpi that Qt 6 assumes where the X resources set no Xft.dpi,
// rather than the screen's millimetres, so that 96.19 dpi scales nothing.
void assume96DpiWithoutXftDpi();

// On X11, each top-level window names the application's desktop entry
// (QGuiApplication::desktopFileName()) where KWin (_KDE_NET_WM_DESKTOP_FILE)
// and GNOME (_GTK_APPLICATION_ID) read it; they take the entry's icon from
// there, as Wayland compositors do by app id.
void nameDesktopEntryOnX11();

#endif // X11DESKTOP_H
