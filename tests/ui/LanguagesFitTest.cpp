// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Every window in every language: each text of a label, button, frame caption, list entry,
// text box and menu fits its place without being cut, every character is drawn from a font
// that has it (in Chinese the Noto Sans CJK face of the language's script, upright), and the
// access keys of a window and of a menu are all different.
#include "CaptionFrame.h"
#include "Look.h"
#include "RowName.h"
#include "UiTestSupport.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using namespace kq;
using namespace kq::testing;

enum class Window { Main, ResultBoy, ResultGirl, About, Support0, Support1, Support2, Support3 };

struct TestLanguage
{
    const char *name;
    const char *catalogue; // "" for English: no translator
    ChineseScript script;
    const char *chineseFamily; // the face that draws the Chinese characters; "" for none
};

constexpr TestLanguage TestLanguages[] = {{"English", "", ChineseScript::None, ""},
    {"SimplifiedChinese", "zh_CN", ChineseScript::Simplified, "Noto Sans CJK SC"},
    {"TraditionalChinese", "zh_TW", ChineseScript::Traditional, "Noto Sans CJK TC"},
    {"Spanish", "es", ChineseScript::None, ""}};

struct WindowKind
{
    const char *name;
    Window window;
};

constexpr WindowKind Windows[] = {{"Main", Window::Main}, {"ResultBoy", Window::ResultBoy},
    {"ResultGirl", Window::ResultGirl}, {"About", Window::About}, {"Support0", Window::Support0},
    {"Support1", Window::Support1}, {"Support2", Window::Support2}, {"Support3", Window::Support3}};

struct Row
{
    std::string name;
    TestLanguage language;
    Window window;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<Row> allRows()
{
    std::vector<Row> rows;
    for (const TestLanguage &language : TestLanguages)
        for (const WindowKind &kind : Windows)
            rows.push_back({std::string(language.name) + "_" + kind.name, language, kind.window});
    return rows;
}

bool isChinese(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFF00 && c <= 0xFFEF);
}

bool hasChinese(const QString &text)
{
    for (const char32_t c : text.toUcs4())
        if (isChinese(c))
            return true;
    return false;
}

// The program's row of a language.
const kq::Language &programLanguage(std::string_view catalogue)
{
    for (const kq::Language &language : kq::Languages)
        if (language.catalogue == catalogue)
            return language;
    return kq::English;
}

// Installs a language's catalogues (the windows' and the engine's answers') and fonts for one
// test, as the program does at its start.
class LanguageScope
{
public:
    explicit LanguageScope(const TestLanguage &language)
    {
        UseLanguage(programLanguage(language.catalogue));
        if (*language.catalogue == '\0')
            return;
        loaded = translator.load(QStringLiteral(":/i18n/kq_") + QLatin1String(language.catalogue))
            && engineTranslator.load(
                QStringLiteral(":/i18n/kq-engine_") + QLatin1String(language.catalogue));
        if (loaded) {
            QCoreApplication::installTranslator(&translator);
            QCoreApplication::installTranslator(&engineTranslator);
        }
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::removeTranslator(&engineTranslator);
        UseLanguage(kq::English);
    }
    LanguageScope(const LanguageScope &) = delete;
    LanguageScope &operator=(const LanguageScope &) = delete;

    bool loaded = false;

private:
    QTranslator translator;
    QTranslator engineTranslator;
};

// A window test that can make a prediction whatever the language.
class TranslatedWindowTest : public WindowTest
{
protected:
    // Picks the dates by position, since the month names are translated: day, month, year.
    frmDisplay *predict(std::array<int, 3> birth, std::array<int, 3> conception)
    {
        auto *main = new frmMain(context);
        main->show();
        const std::pair<const char *, int> picks[] = {{"cmbDOBDate", birth[0] - 1},
            {"cmbDOBMonth", birth[1] - 1}, {"cmbDOBYear", birth[2] - 1915},
            {"cmbConceptionDate", conception[0] - 1}, {"cmbConceptionMonth", conception[1] - 1},
            {"cmbConceptionYear", conception[2] - 1960}};
        for (const auto &[list, index] : picks)
            control<QComboBox>(main, list)->setCurrentIndex(index);
        control<QPushButton>(main, "cmdGetBabyGender")->click();
        return onlyWindow<frmDisplay>();
    }
};

class LanguagesFit : public TranslatedWindowTest, public ::testing::WithParamInterface<Row>
{
protected:
    QStringList faults;

    void fault(const QWidget *control, const QString &text, const QString &what)
    {
        faults.append(QStringLiteral("%1 \"%2\": %3").arg(control->objectName(), text, what));
    }

    // Every character has a glyph (no empty box) in the font Qt really draws it with; Chinese
    // characters come from the language's CJK face, and stand upright.
    void checkGlyphs(const QWidget *control, const QFont &font, const QString &text)
    {
        const TestLanguage &language = GetParam().language;
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QSet<QString> families;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            families.insert(run.rawFont().familyName());
            for (const quint32 glyph : run.glyphIndexes())
                if (glyph == 0)
                    fault(control, text,
                        QStringLiteral("a character without a glyph in ")
                            + run.rawFont().familyName());
        }
        if (!hasChinese(text))
            return;
        if (*language.chineseFamily == '\0')
            fault(control, text, QStringLiteral("Chinese characters in a language without them"));
        else if (!families.contains(QLatin1String(language.chineseFamily)))
            fault(control, text,
                QStringLiteral("drawn from %1, not %2")
                    .arg(QStringList(families.begin(), families.end()).join(QLatin1String(", ")),
                        QLatin1String(language.chineseFamily)));
        if (font.italic())
            fault(control, text, QStringLiteral("Chinese characters drawn italic"));
    }

    void checkWidth(const QWidget *control, const QString &text, int needed, int room)
    {
        if (needed > room)
            fault(control, text, QStringLiteral("needs %1 pixels, has %2").arg(needed).arg(room));
    }

    // A text laid out in `room` as a label draws it (from the top, or centred in the height),
    // wrapped at word boundaries or on one line: no line is wider than the room, and the ink
    // of every line lies between the top of the control and `bottom`.
    void checkText(const QWidget *control, const QFont &font, const QString &text,
        const QRect &room, Qt::Alignment alignment, bool wrap, int bottom)
    {
        QTextLayout layout(text, font);
        QTextOption option;
        option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal height = 0;
        qreal widest = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            line.setPosition(QPointF(0, height));
            height += line.height();
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
        if (widest > room.width() + 0.5)
            fault(control, text,
                QStringLiteral("needs %1 pixels of width, has %2").arg(widest).arg(room.width()));
        qreal top = room.top();
        if (alignment & Qt::AlignVCenter)
            top += (room.height() - height) / 2;
        else if (alignment & Qt::AlignBottom)
            top += room.height() - height;
        const QFontMetricsF metrics(font);
        for (int i = 0; i < layout.lineCount(); ++i) {
            // The glyphs' own boxes, from the fonts that really draw them, and the underline.
            const QTextLine line = layout.lineAt(i);
            QRectF ink;
            for (const QGlyphRun &run : line.glyphRuns()) {
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype g = 0; g < glyphs.size(); ++g)
                    ink = ink.united(
                        run.rawFont().boundingRect(glyphs.at(g)).translated(positions.at(g)));
            }
            if (ink.isEmpty())
                continue;
            const qreal baseline = line.y() + line.ascent();
            qreal inkBottom = ink.bottom();
            if (font.underline())
                inkBottom
                    = std::max(inkBottom, baseline + metrics.underlinePos() + metrics.lineWidth());
            const qreal from = top + ink.top();
            const qreal to = top + inkBottom;
            if (from < -0.5 || to > bottom + 0.5)
                fault(control, text,
                    QStringLiteral("line %1 is drawn from %2 to %3, the room is 0 to %4")
                        .arg(i + 1)
                        .arg(from)
                        .arg(to)
                        .arg(bottom));
        }
        checkGlyphs(control, font, text);
    }

    void checkLabel(const QLabel *label)
    {
        if (label->text().isEmpty())
            return;
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        if (isKnownEnglishCut(label))
            return;
        checkText(label, label->font(), label->text(), room, label->alignment(), label->wordWrap(),
            label->height());
    }

    // The about box's offer (Label3) loses the tails of its last line's "y" by two pixels in
    // English: the English box is drawn exactly as designed and stays so.
    bool isKnownEnglishCut(const QLabel *label) const
    {
        return *GetParam().language.catalogue == '\0'
            && label->objectName() == QLatin1String("Label3")
            && label->window()->objectName() == QLatin1String("frmAbout");
    }

    void checkButton(const QAbstractButton *button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool checkBox = qobject_cast<const QCheckBox *>(button) != nullptr;
        const QRect room = button->style()->subElementRect(
            checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
            button);
        const QSize needed
            = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
        checkWidth(button, button->text(), needed.width(), room.width());
        checkGlyphs(button, button->font(), button->text());
    }

    void checkList(const QComboBox *list)
    {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        const QRect room = list->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            checkWidth(list, list->itemText(i), metrics.horizontalAdvance(list->itemText(i)),
                room.width());
            checkGlyphs(list, list->font(), list->itemText(i));
        }
    }

    void checkTextBox(const QLineEdit *box)
    {
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        checkWidth(box, box->text(), QFontMetrics(box->font()).horizontalAdvance(box->text()),
            box->width() - 2 * frame);
        checkGlyphs(box, box->font(), box->text());
    }

    // The access keys of one window or one menu: letters after a single "&".
    void checkAccessKeys(const QString &where, const QStringList &captions)
    {
        QSet<QChar> keys;
        for (const QString &caption : captions) {
            for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
                if (caption.at(i) != u'&')
                    continue;
                if (caption.at(i + 1) == u'&') {
                    ++i;
                    continue;
                }
                const QChar key = caption.at(i + 1).toLower();
                if (keys.contains(key))
                    faults.append(
                        QStringLiteral("%1: access key %2 used twice").arg(where, QString(key)));
                keys.insert(key);
                break;
            }
        }
    }

    void checkMenus(QWidget *window, QStringList &windowKeys)
    {
        auto *bar = window->findChild<QMenuBar *>();
        if (!bar)
            return;
        for (QAction *action : bar->actions()) {
            if (!action->isVisible())
                continue;
            windowKeys.append(action->text());
            const QRect place = bar->actionGeometry(action);
            if (!place.isValid() || !bar->rect().contains(place))
                faults.append(
                    QStringLiteral("menu bar \"%1\": not on the bar").arg(action->text()));
            checkGlyphs(bar, bar->font(), action->text());
            if (QMenu *menu = action->menu()) {
                QStringList items;
                for (QAction *item : menu->actions()) {
                    if (item->isSeparator())
                        continue;
                    items.append(item->text());
                    checkGlyphs(menu, menu->font(), item->text());
                }
                checkAccessKeys(QStringLiteral("menu ") + action->text(), items);
            }
        }
    }

    void checkWindow(QWidget *window)
    {
        window->show();
        settle();
        QStringList windowKeys;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(window))
                continue;
            if (auto *label = qobject_cast<QLabel *>(control)) {
                checkLabel(label);
            } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                windowKeys.append(button->text());
                checkButton(button);
            } else if (auto *list = qobject_cast<QComboBox *>(control)) {
                checkList(list);
            } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
                checkTextBox(box);
            } else if (auto *frame = qobject_cast<CaptionFrame *>(control)) {
                if (frame->caption().isEmpty())
                    continue;
                // The caption lies above the frame's lists.
                int listsTop = frame->height();
                for (const QWidget *child : frame->findChildren<QWidget *>())
                    if (child->isVisibleTo(frame))
                        listsTop = std::min(listsTop, child->y());
                checkText(frame, frame->captionDrawingFont(), frame->caption(),
                    QRect(CaptionFrame::CaptionLeft, 0, frame->width() - CaptionFrame::CaptionLeft,
                        frame->height()),
                    Qt::AlignTop, false, listsTop);
            } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
                // The title sits inside the frame's rounded corners.
                checkWidth(group, group->title(),
                    QFontMetrics(group->font()).horizontalAdvance(group->title()),
                    group->width() - 16);
                checkGlyphs(group, group->font(), group->title());
            }
        }
        checkMenus(window, windowKeys);
        checkAccessKeys(window->objectName(), windowKeys);
    }
};

TEST_P(LanguagesFit, EveryTextFitsAndIsDrawn)
{
    const Row &row = GetParam();
    // Qt keeps the CJK face it found for a font for the rest of the process, so one process
    // checks one Chinese script; ctest runs every row in a process of its own.
    static ChineseScript scriptOfProcess = ChineseScript::None;
    if (row.language.script != ChineseScript::None) {
        if (scriptOfProcess != ChineseScript::None && scriptOfProcess != row.language.script)
            GTEST_SKIP() << "the other Chinese script was checked in this process: run this row "
                            "on its own (ctest does)";
        scriptOfProcess = row.language.script;
    }
    const LanguageScope language(row.language);
    if (*row.language.catalogue != '\0') {
        ASSERT_TRUE(language.loaded) << "no catalogue " << row.language.catalogue;
    }

    switch (row.window) {
    case Window::Main: {
        frmMain main(context);
        checkWindow(&main);
        break;
    }
    case Window::ResultBoy:
    case Window::ResultGirl: {
        // The boy nine months and more after the conception, the girl fewer: both
        // congratulation lines.
        const bool boy = row.window == Window::ResultBoy;
        fake.clock.current = QDateTime(QDate(2009, 6, 1), QTime(12, 0));
        frmDisplay *display
            = boy ? predict({1, 1, 1915}, {1, 1, 1960}) : predict({3, 6, 1980}, {15, 3, 2009});
        ASSERT_NE(display, nullptr);
        checkWindow(display);
        break;
    }
    case Window::About: {
        frmAbout about(fake.platform);
        checkWindow(&about);
        break;
    }
    default: {
        const int text = int(row.window) - int(Window::Support0);
        fake.random.values = {float(text) / 4.0f + 0.1f};
        frmNagScreen2 support(fake.platform, [] {});
        ASSERT_EQ(control<QLabel>(&support, "Label2")->text(), frmNagScreen2::SupportText(text));
        checkWindow(&support);
        break;
    }
    }
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguagesFit, ::testing::ValuesIn(allRows()), kq::test::RowName());

// Chinese writes a date year, month, day; English and Spanish day, month, year. The lists stand
// in the order the language writes a date, and the keyboard goes through them as they stand.
struct DateOrderRow
{
    const char *name;
    TestLanguage language;
    bool yearFirst;
};

class DateOrder : public WindowTest, public ::testing::WithParamInterface<DateOrderRow>
{
};

TEST_P(DateOrder, FollowsTheLanguage)
{
    const DateOrderRow &row = GetParam();
    const LanguageScope language(row.language);
    frmMain main(context);
    main.show();
    const QStringList dmy[] = {{"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear"},
        {"cmbConceptionDate", "cmbConceptionMonth", "cmbConceptionYear"}};
    QStringList expected;
    for (QStringList date : dmy) {
        if (row.yearFirst)
            std::reverse(date.begin(), date.end());
        // Left to right as they stand, each clear of the next.
        for (qsizetype i = 1; i < date.size(); ++i) {
            const QRect left = control<QWidget>(&main, qPrintable(date[i - 1]))->geometry();
            const QRect right = control<QWidget>(&main, qPrintable(date[i]))->geometry();
            EXPECT_LT(left.right(), right.left()) << qPrintable(date[i - 1]);
            EXPECT_EQ(left.top(), right.top());
        }
        expected += date;
    }
    expected.append(QStringLiteral("cmdGetBabyGender"));

    QWidget *widget
        = QApplication::focusWidget() ? QApplication::focusWidget() : main.focusWidget();
    ASSERT_NE(widget, nullptr);
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&main))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, DateOrder,
    ::testing::Values(DateOrderRow {"English", TestLanguages[0], false},
        DateOrderRow {"SimplifiedChinese", TestLanguages[1], true},
        DateOrderRow {"TraditionalChinese", TestLanguages[2], true},
        DateOrderRow {"Spanish", TestLanguages[3], false}),
    kq::test::RowName());

// The result panel in Spanish, whose congratulation line and gender word are narrower than the
// English ones: the captions read centred where the English text is centred, and "Niña" is drawn
// at the size of the English "Girl".
TEST_F(TranslatedWindowTest, SpanishResultCaptionsAreCentredAndFullSize)
{
    fake.clock.current = QDateTime(QDate(2009, 6, 1), QTime(12, 0));
    // Where the English heading's text is centred, in the English window.
    int englishCentre = 0;
    {
        frmDisplay english(context);
        auto *heading = control<QLabel>(&english, "Label3");
        englishCentre = heading->x()
            + qRound(QFontMetricsF(heading->font()).horizontalAdvance(heading->text()) / 2);
    }
    const LanguageScope spanish(TestLanguages[3]);
    ASSERT_TRUE(spanish.loaded);
    frmDisplay *display = predict({3, 6, 1980}, {15, 3, 2009});
    ASSERT_NE(display, nullptr);
    for (const char *name : {"Label3", "lblCongratulationMsg", "lblGenderOfChild"}) {
        auto *label = control<QLabel>(display, name);
        const qreal width = QFontMetricsF(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(width, label->width()) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
        if (QLatin1String(name) != QLatin1String("lblGenderOfChild")) {
            EXPECT_NEAR(label->geometry().center().x(), englishCentre, 1)
                << name << " " << label->x() << "+" << label->width() << " " << width;
        }
    }
    auto *gender = control<QLabel>(display, "lblGenderOfChild");
    EXPECT_EQ(gender->text(), QStringLiteral("Niña"));
    EXPECT_DOUBLE_EQ(gender->font().pointSizeF(), 11.25);
    // Grown symmetrically about the box it stands in.
    EXPECT_NEAR(gender->geometry().center().x(),
        control<QLabel>(display, "Label4")->geometry().center().x(), 1);
}


// What a screen reader gives with the result: the age, then the congratulation line and the
// gender as the language words them as one sentence (no space inside a Chinese sentence, the
// article in Spanish).
struct ResultReadingRow
{
    const char *name;
    TestLanguage language;
    const char *description;
};

class ResultReading : public TranslatedWindowTest,
                      public ::testing::WithParamInterface<ResultReadingRow>
{
};

TEST_P(ResultReading, IsOneSentenceOfTheLanguage)
{
    const ResultReadingRow &row = GetParam();
    fake.clock.current = QDateTime(QDate(2009, 6, 1), QTime(12, 0));
    const LanguageScope language(row.language);
    // Born 3 June 1980 and conceived 15 March 2009, both after the lunar new year: 30, a girl.
    frmDisplay *display = predict({3, 6, 1980}, {15, 3, 2009});
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(control<QWidget>(display, "cmdBack")->accessibleDescription().toStdString(),
        row.description);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultReading,
    ::testing::Values(ResultReadingRow {"English", TestLanguages[0],
                          "Mother's Chinese Age is 30. Congratulations!! Your predicted to have "
                          "a Baby Girl"},
        ResultReadingRow {"SimplifiedChinese", TestLanguages[1],
            "母亲的虚岁是 30。恭喜！预测您将迎来一个女孩"},
        ResultReadingRow {"TraditionalChinese", TestLanguages[2],
            "母親的虛歲是 30。恭喜！預測您將迎來一個女孩"},
        ResultReadingRow {"Spanish", TestLanguages[3],
            "La edad lunar de la madre es 30. ¡Felicidades! Vas a tener una niña"}),
    kq::test::RowName());

} // namespace
