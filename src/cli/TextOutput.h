// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's answers as text: the prediction, the working behind it (--explain), the lunar
// month of a date and the gender chart as a table. Each reads the answer as it stands; nothing
// is worked out or looked up again.
#pragma once

#include "Predictor.h"
#include "Wording.h"

#include <QString>

namespace kq::cli {

// Age, lunar month, gender, colour name and the congratulation line; with an estimated date
// of conception a line for it first, and with the extended calendar a line saying so.
QString PredictionText(const Reply &reply);

// How the Chinese age was counted, the lunar month with the day it began, and the chart's row
// for the age with the month of conception marked.
QString ExplanationText(const Reply &reply);

// --lunar-month: the number, and a line naming the extended calendar where it gave the month.
// Scripts read it in English; with --explain people read it in their language.
QString LunarMonthText(const LunarMonthReply &reply, Wording wording);

// The lunar month of the date with the day on which it began.
QString LunarMonthExplanationText(const LunarMonthReply &reply);

QString ChartText();

// A rejection's message for a terminal (line breaks as "\n"), with the age where one was
// counted and the estimated date of conception where there was one.
QString RejectionText(const Reply &reply);
QString RejectionText(const LunarMonthReply &reply);

} // namespace kq::cli
