// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The floor of a Qt Widgets program that shows the main window's own Chinese texts: the minimal
// Chinese window (a fixed-size window with a list and a button) with, besides, every text the
// translated main window draws, taken from the program's Simplified Chinese catalogue (the
// compiled file given as the first argument) and drawn in the weights the main window draws it
// in, so that the floor pays for every glyph the program must show. Started with
// LANG=zh_CN.UTF-8 by bench/startup.sh.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>

namespace {

// A text of the main window: its catalogue context and English source, and its weight.
struct Text
{
    const char *context;
    const char *source;
    bool bold;
};

constexpr Text Texts[] = {
    {"kq::Texts", "Visit our discussion forum at %1", false},
    {"kq::frmMain",
        "KQ Rurevir Ivideruzi Zuduzire is both an interesting as well as an informative tool "
        "which helps you in predicting the gender of your baby.",
        false},
    {"kq::frmMain", "Mother's Age Must Be Between 18 to 45 at Time Of Conception !", true},
    {"kq::frmMain", "-----Date Of Birth Of The Mother------", true},
    {"kq::frmMain", "--Date Of Conception Of The Child----", true},
    {"kq::Texts",
        "Although KQ Rurevir Ivideruzi Zuduzire is said to very accurate and have a high "
        "success rate, but the program is solely a bit of fun and entertainment. Just enjoy it!",
        false},
    {"kq::Texts",
        "Home Business Opportunity. Start your own Internet business and make money online. "
        "Get this software fully branded for your website. Click here for more details.",
        true},
};

constexpr Text Menus[] = {{"kq::frmMain", "&File", false}, {"kq::AdvertWindow", "&Help", false},
    {"kq::AdvertWindow", "&Donate", false}};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator catalogue;
    if (argc > 1 && catalogue.load(QString::fromLocal8Bit(argv[1])))
        QCoreApplication::installTranslator(&catalogue);
    const auto words = [](const Text &text) {
        return QCoreApplication::translate(text.context, text.source)
            .replace(QLatin1String("%1"), QLatin1String("www.kq-publisher.example"));
    };

    QWidget window;
    // The title stays ASCII: launch-and-wait finds the window by it.
    window.setWindowTitle(QStringLiteral("Minimal Qt window, Chinese texts"));
    window.setFixedSize(477, 312);
    auto *menus = new QMenuBar(&window);
    for (const Text &menu : Menus)
        menus->addMenu(words(menu));
    menus->setGeometry(0, 0, 477, menus->sizeHint().height());
    int top = menus->height() + 2;
    for (const Text &text : Texts) {
        auto *label = new QLabel(words(text), &window);
        label->setWordWrap(true);
        QFont font = label->font();
        font.setBold(text.bold);
        label->setFont(font);
        label->setGeometry(8, top, 460, 32);
        top += 33;
    }
    auto *list = new QComboBox(&window);
    for (int month = 0; month < 12; ++month)
        list->addItem(QCoreApplication::translate("kq::frmMain", "January"));
    list->setGeometry(24, top - 2, 90, 21);
    auto *button = new QPushButton(
        QCoreApplication::translate("kq::frmMain", "&Get My Baby's Gender"), &window);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setGeometry(134, top - 4, 265, 25);
    window.show();
    return app.exec();
}
