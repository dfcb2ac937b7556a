// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Accuracy and Cohen's kappa of the 2x2 agreement table.
#include "Agreement.h"

#include <algorithm>
#include <cmath>

namespace kq::cli {

std::uint64_t AgreementTable::total() const noexcept
{
    return m_counts[0][0] + m_counts[0][1] + m_counts[1][0] + m_counts[1][1];
}

std::uint64_t AgreementTable::agreeing() const noexcept
{
    return m_counts[0][0] + m_counts[1][1];
}

Agreement MeasureAgreement(const AgreementTable &table) noexcept
{
    Agreement agreement;
    agreement.records = table.total();
    if (agreement.records == 0)
        return agreement;

    const double n = static_cast<double>(agreement.records);
    const Gender sexes[2] = {Gender::Girl, Gender::Boy};
    // p[i][j]: share of records predicted i whose baby is j; row[i] and column[j] the margins.
    double p[2][2];
    double row[2] = {0, 0};
    double column[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            p[i][j] = static_cast<double>(table.count(sexes[i], sexes[j])) / n;
            row[i] += p[i][j];
            column[j] += p[i][j];
        }

    const double observed = p[0][0] + p[1][1];
    agreement.accuracy = observed;
    const double chance = row[0] * column[0] + row[1] * column[1];
    if (!(chance < 1.0))
        return agreement;

    // Cohen J. A coefficient of agreement for nominal scales. Educational and Psychological
    // Measurement 1960; 20: 37-46:  kappa = (p_o - p_e) / (1 - p_e).
    KappaEstimate estimate;
    const double kappa = (observed - chance) / (1.0 - chance);
    estimate.kappa = kappa;

    // The large-sample (asymptotic, non-null) variance of kappa from Fleiss JL, Cohen J,
    // Everitt BS. Large sample standard errors of kappa and weighted kappa. Psychological
    // Bulletin 1969; 72: 323-327, the one used for confidence intervals:
    //   var = [ sum_i p_ii (1 - (p_i. + p_.i)(1 - kappa))^2
    //         + (1 - kappa)^2 sum_{i != j} p_ij (p_.i + p_j.)^2
    //         - (kappa - p_e (1 - kappa))^2 ] / (n (1 - p_e)^2)
    // with p_i. the row (prediction) and p_.j the column (baby) margins.
    double diagonal = 0;
    for (int i = 0; i < 2; ++i) {
        const double term = 1.0 - (row[i] + column[i]) * (1.0 - kappa);
        diagonal += p[i][i] * term * term;
    }
    double offDiagonal = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (i != j)
                offDiagonal += p[i][j] * (column[i] + row[j]) * (column[i] + row[j]);
    offDiagonal *= (1.0 - kappa) * (1.0 - kappa);
    const double last = kappa - chance * (1.0 - kappa);
    const double variance
        = (diagonal + offDiagonal - last * last) / (n * (1.0 - chance) * (1.0 - chance));
    // At kappa = 1 or -1 the true variance is 0; rounding may leave a tiny negative rest.
    estimate.standardError = variance > 0 ? std::sqrt(variance) : 0.0;
    // Kappa lies between -1 and 1; the normal interval is cut off there.
    estimate.lower = std::max(-1.0, kappa - NormalQuantile975 * estimate.standardError);
    estimate.upper = std::min(1.0, kappa + NormalQuantile975 * estimate.standardError);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (row[i] * column[j] * n < FewestExpectedRecordsInACell)
                estimate.intervalHolds = false;
    agreement.kappa = estimate;
    return agreement;
}

} // namespace kq::cli
