#include "printedpage.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(const QColor &colour)
{
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
           + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void keepPrintedPage(QWidget *page)
{
    static const QColor designed[] = {QColor(0x55, 0x55, 0x7f), QColor(0xcc, 0x00, 0x00),
                                      QColor(0x00, 0x00, 0xff)};
    // A text browser shows its page in the Base colour, a frame in its own.
    const QPalette::ColorRole background =
        qobject_cast<QAbstractScrollArea *>(page) ? QPalette::Base : page->backgroundRole();
    QPalette palette = page->palette();
    bool readable = true;
    for (const QColor &colour : designed)
        readable = readable && contrast(colour, palette.color(background)) >= 4.5;
    if (readable)
        return;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Window, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::WindowText, Qt::black);
    }
    page->setPalette(palette);
    page->setAutoFillBackground(true);
}
