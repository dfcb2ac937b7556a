// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words kq-predict says to people, in the user's language where kq-predict speaks it:
// KqPredict::tr("...") looks a text up in the catalogue installed at the start (none for English,
// so the English texts come out exactly as written); the engine's answers are worded by
// EngineWords.h. Text stays a QString from the catalogue to the output stream, where it becomes
// UTF-8, once.
#pragma once

#include "Wording.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <ostream>

namespace kq::cli {

class KqPredict
{
    Q_DECLARE_TR_FUNCTIONS(KqPredict)
};

// A text of kq-predict's catalogue (marked with QT_TRANSLATE_NOOP("KqPredict", ...)): its
// English source for scripts, its translation for people.
inline QString Word(const char *source, Wording wording)
{
    return wording == Wording::English ? QString::fromUtf8(source)
                                       : QCoreApplication::translate("KqPredict", source);
}

// A text as the terminal receives it (UTF-8).
inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return out.write(utf8.constData(), utf8.size());
}

} // namespace kq::cli
