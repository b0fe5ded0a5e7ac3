// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef FIXEDSIZE_H
#define FIXEDSIZE_H

class QSize;
class QWidget;

// Fixes a top-level window at `size`, as QWidget::setFixedSize does.
//
// On Wayland, Qt draws its own title bar where the compositor draws none,
// and its maximize button stays whatever the window flags say. A maximized
// surface must take the size the compositor configures; one that keeps its
// fixed size breaks the protocol and the compositor ends the program. So
// there the window takes the configured size while it is maximized or full
// screen, the form keeping its designed place and size, and is fixed again
// once the compositor has restored it. On other platforms this is
// setFixedSize.
void fixWindowSize(QWidget *window, const QSize &size);

#endif // FIXEDSIZE_H
