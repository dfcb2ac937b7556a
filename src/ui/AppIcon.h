// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The application icon, the same image on every window and in the about box.
#pragma once

#include <QIcon>

namespace kq {

const QIcon &ApplicationIcon();

} // namespace kq
