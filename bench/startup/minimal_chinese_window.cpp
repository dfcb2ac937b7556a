// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The floor of a Qt Widgets program that speaks Chinese: the minimal window (a fixed-size window
// with a list and a button) with its texts in Chinese, in the regular and the bold weight, so
// that the CJK faces are looked up and loaded as the translated program's must (its headings
// are bold). Started with LANG=zh_CN.UTF-8 by bench/startup.sh.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    // The title stays ASCII: launch-and-wait finds the window by it.
    window.setWindowTitle(QStringLiteral("Minimal Qt window, Chinese"));
    window.setFixedSize(477, 312);
    auto *label = new QLabel(QStringLiteral("选择母亲的出生日期和受孕日期"), &window);
    label->setGeometry(24, 20, 430, 30);
    auto *heading = new QLabel(QStringLiteral("母亲出生日期"), &window);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(24, 100, 430, 30);
    auto *list = new QComboBox(&window);
    for (int day = 1; day <= 31; ++day)
        list->addItem(QStringLiteral("%1日").arg(day));
    list->setGeometry(24, 60, 60, 21);
    auto *button = new QPushButton(QStringLiteral("预测宝宝性别(&G)"), &window);
    button->setGeometry(104, 140, 265, 25);
    window.show();
    return app.exec();
}
