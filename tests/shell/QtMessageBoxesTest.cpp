// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's message boxes as they would appear (built, never shown).
#include "QtMessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(QtMessageBoxes, UpdateQuestionIsInformationWithYesAsDefault)
{
    const auto box = kq::QtMessageBoxes::build(QStringLiteral("first line\rsecond line"),
        kq::MessageIcon::Information, kq::MessageButtons::YesNo, QString());
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->windowTitle(), kq::ApplicationTitle());
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    // The carriage return between the two lines is shown as a line break.
    EXPECT_EQ(box->text(), QStringLiteral("first line\nsecond line"));
}

TEST(QtMessageBoxes, ErrorWithOkAndOwnTitle)
{
    const auto box = kq::QtMessageBoxes::build(QStringLiteral("<b>not markup</b>"),
        kq::MessageIcon::Error, kq::MessageButtons::Ok, QStringLiteral("Own title"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Own title"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("<b>not markup</b>"));
}

} // namespace
