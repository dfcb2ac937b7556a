// TEMPORARY: a stand-in for the application icon until the window work provides AppIcon.cpp.
// Delete this file (and its line in CMakeLists.txt) when merging that work.
#include "AppIcon.h"

#include <QApplication>
#include <QStyle>

namespace kq {

const QIcon &ApplicationIcon()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    return icon;
}

} // namespace kq
