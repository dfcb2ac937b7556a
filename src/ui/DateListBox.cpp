// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The main window's date lists and their look.
#include "DateListBox.h"

#include "Look.h"
#include "ProgramStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionComboBox>

namespace kq {

namespace {

// The program's style for the lists where the application has another one: one instance for
// every list of the run, made on first use and owned by the application (made again only if
// that application has gone, as in a test process that makes several).
QStyle *listStyle()
{
    static QPointer<ProgramStyle> shared;
    if (!shared) {
        shared = new ProgramStyle;
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}

} // namespace

DateListBox::DateListBox(QWidget *parent)
    : QComboBox(parent)
{
    // Its colours come with the program style, which polishes it.
    markControl(this, ControlKind::DateList);
    if (!qobject_cast<ProgramStyle *>(QApplication::style()))
        setStyle(listStyle());
    setEditable(false);
    // The lists have no font of their own: they use the window's regular font.
    setFocusPolicy(Qt::StrongFocus);
}

void DateListBox::initStyleOption(QStyleOptionComboBox *option) const
{
    QComboBox::initStyleOption(option);
    useSharedPalette(option->palette);
}

} // namespace kq
