// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The floor any Qt Widgets program pays at start-up: one fixed-size window with a list and a
// button, nothing else.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.setFixedSize(477, 312);
    auto *list = new QComboBox(&window);
    for (int day = 1; day <= 31; ++day)
        list->addItem(QString::number(day));
    list->setGeometry(24, 60, 40, 21);
    auto *button = new QPushButton(QStringLiteral("&Go"), &window);
    button->setGeometry(104, 140, 265, 25);
    window.show();
    return app.exec();
}
