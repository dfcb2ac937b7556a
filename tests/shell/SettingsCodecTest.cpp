// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The settings codec: what the stored key and date look like, and what is dropped.
#include "RowName.h"
#include "modHelp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString FromCodes(std::initializer_list<char16_t> codes)
{
    QString text;
    for (char16_t c : codes)
        text.append(QChar(c));
    return text;
}

struct CodecRow
{
    const char *name;
    QString plain;
    QString encoded;
};

class SettingsCodec : public ::testing::TestWithParam<CodecRow>
{
};

TEST_P(SettingsCodec, EncodesAndDecodesBothWays)
{
    const CodecRow &row = GetParam();
    EXPECT_EQ(modHelp::EncodeSetting(row.plain), row.encoded);
    EXPECT_EQ(modHelp::DecodeSetting(row.encoded), row.plain);
}

INSTANTIATE_TEST_SUITE_P(StoredTexts, SettingsCodec,
    ::testing::Values(CodecRow {"Empty", QString(), QString()},
        CodecRow {"DurationKey", QStringLiteral("Duration"),
            FromCodes({153, 202, 199, 182, 201, 190, 196, 195})},
        CodecRow {"IsoDate", QStringLiteral("2009-12-01"),
            FromCodes({135, 133, 133, 142, 130, 134, 135, 130, 133, 134})},
        CodecRow {"OrderKept", QStringLiteral("ab"), FromCodes({182, 183})},
        // 170 + 85 = 255 is the last code that fits; 0 is the first.
        CodecRow {"TopOfRange", FromCodes({170}), FromCodes({255})},
        CodecRow {"BottomOfRange", FromCodes({0}), FromCodes({85})}),
    kq::test::RowName());

struct DropRow
{
    const char *name;
    QString input;
    QString expected;
};

class SettingsCodecEncodeDrops : public ::testing::TestWithParam<DropRow>
{
};

TEST_P(SettingsCodecEncodeDrops, LeavesOutWhatDoesNotFit)
{
    EXPECT_EQ(modHelp::EncodeSetting(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Encode, SettingsCodecEncodeDrops,
    ::testing::Values(
        // 171 + 85 = 256: left out, the characters around it stay in order.
        DropRow {"AboveRange", FromCodes({u'A', 171, u'B'}), FromCodes({150, 151})},
        DropRow {"AllAboveRange", FromCodes({200, 255}), QString()},
        // Not a Latin-1 character to begin with: left out.
        DropRow {"EuroSign", FromCodes({u'A', 0x20AC, u'B'}), FromCodes({150, 151})},
        DropRow {"SurrogatePair", QString::fromUtf8("a\xF0\x9F\x98\x80z"), FromCodes({182, 207})},
        // 0, 84, 85 and 170 fit; 171 and 255 would pass 255; 256 and the rest are not Latin-1.
        DropRow {"RangeEdges", FromCodes({0, 84, 85, 170, 171, 255, 256, 0xD800, 0xFFFF}),
            FromCodes({85, 169, 170, 255})}),
    kq::test::RowName());

class SettingsCodecDecodeDrops : public ::testing::TestWithParam<DropRow>
{
};

TEST_P(SettingsCodecDecodeDrops, LeavesOutWhatDoesNotFit)
{
    EXPECT_EQ(modHelp::DecodeSetting(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Decode, SettingsCodecDecodeDrops,
    ::testing::Values(
        // 84 - 85 = -1: left out. A plain ASCII date leaves nothing at all.
        DropRow {"BelowRange", FromCodes({150, 84, 151}), QStringLiteral("AB")},
        DropRow {"PlainDate", QStringLiteral("2009-12-01"), QString()},
        DropRow {"NotLatin1", FromCodes({150, 0x0150, 151}), QStringLiteral("AB")},
        // 0 and 84 would fall below 0; 85, 170, 171 and 255 fit; the rest are not Latin-1.
        DropRow {"RangeEdges", FromCodes({0, 84, 85, 170, 171, 255, 256, 0xD800, 0xFFFF}),
            FromCodes({0, 85, 86, 170})}),
    kq::test::RowName());

} // namespace
