// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language of the windows, the desktop's when the program has a catalogue for it, else
// English (the program's own texts, with no translator installed at all).
#pragma once

#include "Fonts.h"
#include "ProgramLanguage.h"

class QCoreApplication;

namespace kq {

// The Chinese characters a language is written in (None for English and Spanish).
ChineseScript ChineseScriptOf(ProgramLanguage language);

// Installs the program's catalogue and Qt's own (message box buttons, a text box's context
// menu) for the desktop's language; for English installs nothing. Returns the language chosen.
ProgramLanguage InstallTranslations(QCoreApplication &application);

} // namespace kq
