// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's answers in the user's language, for the windows and kq-predict alike: the
// gender, the baby's colour, the congratulation line and the messages of the date check and of
// the mother's age. One catalogue holds them (kq-engine_*.ts, context "EngineWords"); with none
// installed (English) each reads exactly as the engine writes it.
#pragma once

#include "Gender.h"
#include "Prediction.h"

#include <QString>

namespace kq::EngineWords {

// "Boy" or "Girl".
QString gender(Gender gender);

// The baby's colour: "Blue" for a boy, "Pink" for a girl.
QString babyColour(Gender gender);

// One of the two congratulation lines.
QString congratulation(CongratulationLine line);

// The message of the date check that failed (1 to 6, as DateCheckFailure::check counts them).
QString dateCheck(int check);

// The message for a mother's Chinese age outside the chart's ages (two lines, "\r\n").
QString ageOutOfRange();

} // namespace kq::EngineWords
