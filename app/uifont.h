#ifndef UIFONT_H
#define UIFONT_H

// The fixed-pixel forms are laid out for a Japanese desktop's UI font,
// "MS UI Gothic" at 9 points. Where that family is missing, it is mapped to an
// installed Japanese face and made the application's font, so captions fit
// their rectangles and no text falls back to a face without Japanese glyphs.
// Call once, after the application object exists.
void useJapaneseUiFont();

#endif // UIFONT_H
