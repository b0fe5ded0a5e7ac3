// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "appsetup.h"

#include "accessibletext.h"
#include "formstyle.h"
#include "uifont.h"
#include "x11desktop.h"

#include <QAccessible>
#include <QApplication>
#include <QStyle>

void setPlatformPolicyBeforeApplication()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales. In Qt 5.15 the attribute is one enabler among
    // Qt's own: QT_AUTO_SCREEN_SCALE_FACTOR=0 or QT_ENABLE_HIGHDPI_SCALING=0
    // still vetoes it, and QT_SCALE_FACTOR applies on top.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // Fractional factors as the screen asks (150 % stays 1.5): text and
    // rectangles scale alike, so what fits at 96 dpi fits there too. A
    // QT_SCALE_FACTOR_ROUNDING_POLICY of the user's takes precedence.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    // Qt's Wayland plugin calls a window hidden when the compositor is
    // slower than 100 ms with a frame, as a busy machine's is, and while
    // hidden it does not tell the compositor the size of a maximized frame:
    // the compositor then ends the program. A widget window has nothing to
    // gain from the guess. A value of the user's takes precedence.
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT"))
        qputenv("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
    assume96DpiWithoutXftDpi();
}

void fitApplicationToDesktop()
{
    // Let the desktop match the window to its entry and icon: the entry's
    // id, and on X11 the window class, whatever the executable is called.
    QGuiApplication::setDesktopFileName(QStringLiteral(YOROZUMI_APP_ID));
    nameDesktopEntryOnX11();
    QCoreApplication::setApplicationName(QStringLiteral(YOROZUMI_WM_CLASS));
    useJapaneseUiFont();
    QApplication::setStyle(new FormStyle(QApplication::style()->objectName()));
    QAccessible::installFactory(&createAccessibleInterface);
}
