// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The publisher's pages: each opener opens exactly its own address, and opening shows nothing
// and changes nothing.
#include "FakePlatform.h"
#include "RowName.h"
#include "modHelp.h"

#include <gtest/gtest.h>

namespace {

using kq::testing::FakePlatform;

const QByteArray Script
    = QByteArrayLiteral(KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/ssd.php");

struct PageRow
{
    const char *name;
    modHelp::PageKey key;
    void (*opener)(kq::Platform &);
    QByteArray address;
};

class PageOpeners : public ::testing::TestWithParam<PageRow>
{
};

TEST_P(PageOpeners, OpenerOpensExactlyItsAddress)
{
    FakePlatform fake;
    GetParam().opener(fake.platform);
    EXPECT_EQ(fake.browser.opened, QList<QByteArray> {GetParam().address});
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fake.settings.writes, 0);
}

TEST_P(PageOpeners, OpenWebPageWithTheKeyOpensTheSameBytes)
{
    FakePlatform fake;
    modHelp::OpenWebPage(fake.platform, GetParam().key);
    EXPECT_EQ(fake.browser.opened, QList<QByteArray> {GetParam().address});
}

TEST_P(PageOpeners, SameLinkTwiceOpensTwice)
{
    FakePlatform fake;
    GetParam().opener(fake.platform);
    GetParam().opener(fake.platform);
    EXPECT_EQ(fake.browser.opened, (QList<QByteArray> {GetParam().address, GetParam().address}));
}

INSTANTIATE_TEST_SUITE_P(Pages, PageOpeners,
    ::testing::Values(PageRow {"Home", modHelp::PageKey::HomePage, modHelp::OpenHomePage,
                          Script + "?page=home-page"},
        PageRow {"Help", modHelp::PageKey::HelpWebPage, modHelp::OpenHelpPage,
            Script + "?page=help-web-page"},
        PageRow {"Download", modHelp::PageKey::DownloadWebPage, modHelp::OpenDownloadPage,
            Script + "?page=download-web-page"},
        PageRow {
            "Donate", modHelp::PageKey::Donate, modHelp::OpenDonatePage, Script + "?page=donate"},
        PageRow {"CoBrand", modHelp::PageKey::CoBrand, modHelp::OpenCoBrandPage,
            Script + "?page=co-brand"},
        PageRow {"Software", modHelp::PageKey::CorvaneSoftwares, modHelp::OpenSoftwarePage,
            Script + "?page=corvanesoftwares"},
        PageRow {"FullyBranded", modHelp::PageKey::FullyBranded, modHelp::OpenFullyBrandedPage,
            Script + "?page=fully-branded"}),
    kq::test::RowName());

TEST(PageTable, AValueOutsideTheSevenKeysOpensNothing)
{
    FakePlatform fake;
    const auto stray = static_cast<modHelp::PageKey>(42);
    modHelp::OpenWebPage(fake.platform, stray);
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}

} // namespace
