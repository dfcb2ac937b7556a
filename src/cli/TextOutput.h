// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's answers as text for people: the prediction, the working behind it (--explain)
// and the gender chart as a table.
#pragma once

#include "Predictor.h"

#include <string>
#include <string_view>

namespace kq::cli {

// What a text answer says, on a line of its own after "Calendar: ", where the extended
// calendar gave the lunar month.
std::string ExtendedCalendarText();

// Age, lunar month, gender, colour name and the congratulation line; with an estimated date
// of conception a line for it first, and with the extended calendar a line saying so.
std::string PredictionText(const Reply &reply);

// How the Chinese age was counted, the lunar month with the day it began, and the chart's row
// for the age with the month of conception marked.
std::string ExplanationText(const Reply &reply);

// The lunar month with the day on which it began.
std::string LunarMonthExplanationText(const Reply &reply);

std::string ChartText();

// A rejection's message for a terminal (line breaks as "\n"), with the age where one was
// counted.
std::string RejectionText(const Reply &reply);

} // namespace kq::cli
