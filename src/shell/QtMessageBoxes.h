// The program's message boxes on the desktop: modal, with the icon and buttons asked for and
// the application's title unless the caller gives one.
#pragma once

#include "Platform.h"

namespace kq {

class QtMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
        const QString &title = {}) override;
};

} // namespace kq
