#ifndef UIFONT_H
#define UIFONT_H

// The fixed-pixel forms were laid out for a Japanese desktop's UI font,
// "MS UI Gothic" at 9 points. Where that family is missing, an installed
// Japanese gothic face stands in for it, found by its name in any language,
// at the largest size whose line fits the forms' 12-pixel text rows and the
// widest stretch under which the tightest captions fit. The face becomes the
// application's font and the substitute for "MS UI Gothic", which the
// dialogs' texts ask for. Call once, after the application object exists.
void useJapaneseUiFont();

#endif // UIFONT_H
