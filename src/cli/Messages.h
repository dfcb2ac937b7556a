// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words of kq-predict's messages: every rejection's text is chosen here, from its reason
// and arguments, for the text and the JSON answers alike. The JSON answers take the English
// words; the text answers the same words in the user's language.
#pragma once

#include "ConceptionEstimate.h"
#include "Rejection.h"

#include <string>

namespace kq::cli {

// English for the JSON answers, whatever the locale; the user's language for people.
enum class Wording { English, UserLanguage };

// One line (the age message: two, joined by "\r\n") saying why there is no prediction.
std::string RejectionMessage(const Rejection &rejection, Wording wording = Wording::English);

// "266 days before the due date 2008-11-13", "14 days after the first day of the last period
// 2008-02-07".
std::string EstimateBasisText(
    const ConceptionEstimate &estimate, Wording wording = Wording::English);

// "18 to 45": the mother's Chinese ages the chart knows.
std::string ChartAgesText(Wording wording = Wording::English);

} // namespace kq::cli
