// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef DIALOGFIT_H
#define DIALOGFIT_H

class QDialog;
class QWidget;

// What each dialog built from a fixed-pixel form needs on this desktop: the
// font fitted to its own texts, a fixed size (its form's), no context-help
// button, its text page drawn as paper, and its text told to a screen
// reader once on opening. Call right after setupUi.
void fitDialogToDesktop(QDialog *dialog, QWidget *page);

#endif // DIALOGFIT_H
