// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef APPSETUP_H
#define APPSETUP_H

// What main() does around the application object, in two steps so that the
// tests set up their application exactly as the program does.

// Before the QApplication exists, since Qt reads it when the application
// creates its platform integration: scale the fixed-pixel windows on dense
// screens by the screen's own factor, and keep Wayland windows shown while
// the compositor is slow.
void setPlatformPolicyBeforeApplication();

// Right after the QApplication exists: the desktop id, the Japanese UI font,
// the form style and the screen-reader names of the combo boxes.
void fitApplicationToDesktop();

#endif // APPSETUP_H
