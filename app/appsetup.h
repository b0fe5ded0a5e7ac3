#ifndef APPSETUP_H
#define APPSETUP_H

// What main() does around the application object, in two steps so that the
// tests set up their application exactly as the program does.

// Before the QApplication exists: scale the fixed-pixel windows on dense
// screens, unless the user's own QT_* scaling variables decide.
void prepareApplication();

// Right after: the desktop id, the Japanese UI font, the form style and the
// screen-reader names of the combo boxes.
void setUpApplication();

#endif // APPSETUP_H
