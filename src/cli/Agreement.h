// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// How well the calendar's predictions agree with the babies' sex: the 2x2 table of counts
// (predicted sex by the baby's sex), the share of right predictions, and Cohen's kappa with its
// large-sample standard error and 95% confidence interval. Arithmetic only, no input or output.
#pragma once

#include "Gender.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kq::cli {

// Counts of records by predicted sex (row) and the baby's sex (column).
class AgreementTable
{
public:
    void add(Gender predicted, Gender baby) noexcept { ++m_counts[index(predicted)][index(baby)]; }
    void add(Gender predicted, Gender baby, std::uint64_t count) noexcept
    {
        m_counts[index(predicted)][index(baby)] += count;
    }

    std::uint64_t count(Gender predicted, Gender baby) const noexcept
    {
        return m_counts[index(predicted)][index(baby)];
    }
    std::uint64_t total() const noexcept;
    std::uint64_t agreeing() const noexcept;

private:
    static constexpr std::size_t index(Gender sex) noexcept { return sex == Gender::Girl ? 0 : 1; }

    std::array<std::array<std::uint64_t, 2>, 2> m_counts {};
};

// The two-sided 95% point of the standard normal distribution.
inline constexpr double NormalQuantile975 = 1.959963984540054;

// Cochran's rule for a 2x2 table (Cochran WG. Some methods for strengthening the common chi-
// square tests. Biometrics 1954; 10: 417-451): a large-sample method holds only when every
// cell expects at least 5 records (its row total times its column total over all records).
inline constexpr double FewestExpectedRecordsInACell = 5.0;

struct KappaEstimate
{
    double kappa = 0;
    double standardError = 0;
    double lower = 0; // kappa - 1.96 standard errors, at least -1
    double upper = 0; // kappa + 1.96 standard errors, at most 1
    // False when a cell expects fewer records than Cochran's rule asks: the large-sample
    // standard error and interval then mean nothing, and no conclusion may be drawn.
    bool intervalHolds = true;
};

struct Agreement
{
    std::uint64_t records = 0;
    std::optional<double> accuracy; // share of right predictions, 0 to 1; none without records
    // None without records, and when chance agreement is certain: every prediction and every
    // baby of the same sex (kappa is then 0/0).
    std::optional<KappaEstimate> kappa;
};

Agreement MeasureAgreement(const AgreementTable &table) noexcept;

} // namespace kq::cli
