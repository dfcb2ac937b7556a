// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words kq-predict says to people, in the user's language where kq-predict speaks it:
// KqPredict::tr("...") looks a text up in the catalogue installed at the start (none for English,
// so the English texts come out exactly as written); the engine's answers are worded by
// EngineWords.h. The JSON answers never pass through here.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace kq::cli {

class KqPredict
{
    Q_DECLARE_TR_FUNCTIONS(KqPredict)
};

// A text from the catalogue, as the terminal receives it (UTF-8).
inline std::string Say(const QString &text)
{
    return text.toStdString();
}

} // namespace kq::cli
