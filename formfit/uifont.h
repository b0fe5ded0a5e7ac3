// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef UIFONT_H
#define UIFONT_H

class QLineEdit;
class QWidget;

// The fixed-pixel forms were laid out for a Japanese desktop's UI font,
// "MS UI Gothic" at 9 points. Where that family is missing, an installed
// Japanese gothic face stands in for it, at the largest size whose line
// fits the forms' 12-pixel text rows. The face becomes the application's
// font and the substitute for "MS UI Gothic", which the dialogs' texts ask
// for. Call once, after the application object exists.
void useJapaneseUiFont();

// Condenses the stand-in face for one form as far as that form's own
// tightest text needs, and no further than 80 %: every label, button, group
// box title and combo box item in its room, every paragraph of a text
// browser on one line. So a text changes the font of its own form only.
// A text browser's lines are set at the forms' row, as drawn, so that its
// page shows whole.
// Call at the end of the form's constructor; where "MS UI Gothic" itself is
// installed it does nothing.
void fitFontToForm(QWidget *form);

// Whether every text of the form fits its room in the font it has now, as
// fitFontToForm measures them.
bool formTextsFit(QWidget *form);

// A 32-pixel field of the forms holds four digits of the forms' face, but
// not the four full-width ones (２０２４) an input method commits, nor on
// every face four half-width ones. Whenever its text changes, the field's
// letters close up as far as that text needs to show whole, and no further.
void fitTextToField(QLineEdit *field);

#endif // UIFONT_H
