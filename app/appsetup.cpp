#include "appsetup.h"

#include "accessiblecombobox.h"
#include "formstyle.h"
#include "uifont.h"

#include <QAccessible>
#include <QApplication>
#include <QStyle>

void prepareApplication()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales. In Qt 5 the attribute would override the user's
    // QT_AUTO_SCREEN_SCALE_FACTOR=0, so it is set only when they say nothing.
    if (!qEnvironmentVariableIsSet("QT_AUTO_SCREEN_SCALE_FACTOR")
        && !qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")
        && !qEnvironmentVariableIsSet("QT_DEVICE_PIXEL_RATIO"))
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    // Fractional factors as the screen asks (150 % stays 1.5): text and
    // rectangles scale alike, so what fits at 96 dpi fits there too.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY"))
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void setUpApplication()
{
    // Let the desktop match the window to its entry and icon: the entry's
    // id, and on X11 the window class, whatever the executable is called.
    QGuiApplication::setDesktopFileName(QStringLiteral(YOROZUMI_APP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(YOROZUMI_WM_CLASS));
    useJapaneseUiFont();
    QApplication::setStyle(new FormStyle(QApplication::style()->objectName()));
    QAccessible::installFactory(&AccessibleComboBox::create);
}
