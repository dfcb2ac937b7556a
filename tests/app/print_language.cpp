// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Prints the catalogue the desktop program would choose in this process's environment ("en"
// for English), as the program reads it: Qt's list of the desktop's languages.
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char **argv)
{
    const QCoreApplication application(argc, argv);
    const QString name = kq::CatalogueName(kq::ChooseLanguage(QLocale::system().uiLanguages()));
    std::printf("%s\n", name.isEmpty() ? "en" : qPrintable(name));
    return 0;
}
