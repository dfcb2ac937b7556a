// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Prints the catalogue the desktop program would choose in this process's environment ("en"
// for English), as the program reads it: Qt's list of the desktop's languages; then, with the
// catalogues installed as the programs install them, the engine's word for a girl's colour.
#include "EngineWords.h"
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const std::string_view name
        = kq::InstallCatalogues(application, QStringLiteral("kq")).catalogue;
    std::printf("%s %s\n", name.empty() ? "en" : std::string(name).c_str(),
        kq::EngineWords::babyColour(kq::Gender::Girl).toUtf8().constData());
    return 0;
}
