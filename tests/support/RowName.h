// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The name of a parameterised test's row: every table row carries a `name`, and GoogleTest
// shows it after the test's name (INSTANTIATE_TEST_SUITE_P(..., ValuesIn(rows), RowName())).
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kq::test {

struct RowName
{
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};

} // namespace kq::test
