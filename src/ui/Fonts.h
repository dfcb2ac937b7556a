// The program's fonts: "Verdana" where the system has it, else "DejaVu Sans".
#pragma once

#include <QFont>
#include <QStringList>

namespace kq {

struct FontStyle
{
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline QFont verdana(FontStyle style = {})
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

} // namespace kq
