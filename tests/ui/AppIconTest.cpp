// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The application icon compiled into the program: every window size, pixel for pixel the drawing
// kept in src/ui/icons.
#include "AppIcon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace kq::testing {
namespace {

TEST(AppIcon, HoldsTheWindowSizesOfTheDrawing)
{
    const QIcon &icon = ApplicationIcon();
    const QList<QSize> expected
        = {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    EXPECT_EQ(icon.availableSizes(), expected);
    for (const QSize &size : expected) {
        const QString png
            = QStringLiteral(KQ_ICON_DIR "/kq-pregnancy-calendar-%1.png").arg(size.width());
        const QImage drawn
            = QImage(png, "png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(drawn.isNull()) << png.toStdString();
        const QImage compiled
            = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(compiled.size(), size);
        int differing = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                differing += compiled.pixel(x, y) != drawn.pixel(x, y);
        EXPECT_EQ(differing, 0) << size.width() << " px";
    }
}

} // namespace
} // namespace kq::testing
