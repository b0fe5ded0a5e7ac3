#ifndef UIFONT_H
#define UIFONT_H

#include <QVector>

// The fixed-pixel forms were laid out for a Japanese desktop's UI font,
// "MS UI Gothic" at 9 points. Where that family is missing, an installed
// Japanese gothic face stands in for it, at the largest size whose line
// fits the forms' 12-pixel text rows, condensed as far as the tightest
// captions need. The face becomes the application's font and the substitute
// for "MS UI Gothic", which the dialogs' texts ask for. Call once, after the
// application object exists.
void useJapaneseUiFont();

// The texts with the least room, drawn for MS UI Gothic's narrow Latin
// letters and kana, with their widths in the forms: the about box's lines
// at the application's size (pixels 0), and the longest line of the
// reference texts at their 9 points (12 pixels) in what their browser
// leaves beside its scroll bar and margins, so that no line of them wraps.
// The look tests hold them against the forms.
struct UiCaption
{
    const char *text;
    int width, pixels;
};
QVector<UiCaption> tightestUiCaptions();

#endif // UIFONT_H
