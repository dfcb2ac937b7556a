// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The application icon, drawn for this program and compiled in at the sizes a window uses: the
// title bar, the task switcher, the about box and the support window (16 to 64 pixels). The
// larger sizes of the desktop's menus and launchers come from the icon theme (packaging/).
#include "AppIcon.h"

#include "AppIconPixels.h"

#include <QImage>
#include <QPixmap>

namespace kq {

const QIcon &ApplicationIcon()
{
    // The pixels are ready-made: the first window decodes no PNG. Reading one would load every
    // image-format plugin, which costs a noticeable part of the start-up time and memory.
    static const QIcon icon = [] {
        QIcon built;
        for (const IconPixels &size : appIconPixels()) {
            const QImage image(reinterpret_cast<const uchar *>(size.argb), size.width, size.height,
                qsizetype(size.width) * 4, QImage::Format_ARGB32_Premultiplied);
            built.addPixmap(QPixmap::fromImage(image));
        }
        return built;
    }();
    return icon;
}

} // namespace kq
