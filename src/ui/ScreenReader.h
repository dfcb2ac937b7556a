// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What screen readers are told beyond what Qt works out by itself: the names of controls whose
// purpose no visible text gives, and a window role for top-level widgets that are neither main
// windows nor dialogs.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kq {

// Names control for screen readers: its accessible name, and a hidden label beside it (a buddy
// label in the same parent) that carries the name. Qt on Linux reports a drop-down list's
// current entry as the list's name and leaves the list's purpose to the label it is labelled
// by, as Orca expects; Windows and macOS read the accessible name. Nothing on screen changes.
// Call once the control has its object name; returns the label.
QLabel *nameForScreenReaders(QWidget *control, const QString &name);

// Makes the top-level widget window read as a window (a frame, like a main window) with its
// title as the name, instead of an unnamed panel. Call first thing in its constructor.
void announceAsWindow(QWidget *window);

} // namespace kq
