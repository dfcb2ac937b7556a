// The application icon, drawn for this program and compiled in at the sizes the desktop asks
// for (16 to 256 pixels).
#include "AppIcon.h"

#include <array>

// Resources of a static library have to be registered by name, outside any namespace.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace kq {

const QIcon &ApplicationIcon()
{
    static const QIcon icon = [] {
        registerIconResources();
        QIcon built;
        for (const int size : std::array {16, 24, 32, 48, 64, 128, 256})
            built.addFile(QStringLiteral(":/icons/kq-pregnancy-calendar-%1.png").arg(size),
                QSize(size, size));
        return built;
    }();
    return icon;
}

} // namespace kq
