// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What screen readers are told beyond what Qt works out by itself.
#include "ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace kq {

namespace {

// Marks the widgets announceAsWindow() has been asked for.
constexpr char WindowRoleProperty[] = "kqAnnouncedAsWindow";

QAccessibleInterface *windowFactory(const QString & /*className*/, QObject *object)
{
    if (!object || !object->isWidgetType() || !object->property(WindowRoleProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

QLabel *nameForScreenReaders(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    auto *label = new QLabel(name, control->parentWidget());
    label->setObjectName(control->objectName() + QLatin1String("Label"));
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(control);
    label->setVisible(false);
    return label;
}

void announceAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
    window->setProperty(WindowRoleProperty, true);
    // An interface made before the mark (a screen reader asking early) keeps the plain role:
    // drop it, and the next question gets the window's.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(window);
        made && made->role() != QAccessible::Window)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace kq
