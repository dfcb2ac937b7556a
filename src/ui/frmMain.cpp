// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The main window: date entry, date check and the start of a prediction.
#include "frmMain.h"

#include "CalendarDate.h"
#include "CaptionFrame.h"
#include "DateListBox.h"
#include "DateLists.h"
#include "EngineWords.h"
#include "LinkLabel.h"
#include "ScreenReader.h"
#include "Texts.h"
#include "Twips.h"
#include "WindowStyle.h"
#include "frmDisplay.h"
#include "modHelp.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace kq {

namespace {

// The month lists' entries, shown through tr().
constexpr std::array<const char *, 12> MonthNames
    = {QT_TRANSLATE_NOOP("kq::frmMain", "January"), QT_TRANSLATE_NOOP("kq::frmMain", "February"),
        QT_TRANSLATE_NOOP("kq::frmMain", "March"), QT_TRANSLATE_NOOP("kq::frmMain", "April"),
        QT_TRANSLATE_NOOP("kq::frmMain", "May"), QT_TRANSLATE_NOOP("kq::frmMain", "June"),
        QT_TRANSLATE_NOOP("kq::frmMain", "July"), QT_TRANSLATE_NOOP("kq::frmMain", "August"),
        QT_TRANSLATE_NOOP("kq::frmMain", "September"), QT_TRANSLATE_NOOP("kq::frmMain", "October"),
        QT_TRANSLATE_NOOP("kq::frmMain", "November"), QT_TRANSLATE_NOOP("kq::frmMain", "December")};

QComboBox *makeDateList(
    QWidget *frame, const char *name, const QRect &place, const QString &accessibleName)
{
    auto *list = new DateListBox(frame);
    list->setObjectName(QLatin1String(name));
    // What a screen reader announces with "combo box" and the current entry.
    nameForScreenReaders(list, accessibleName);
    list->setGeometry(place);
    return list;
}

// Where a date list stands in its frame, given its place in twips in the English window.
// Chinese writes a date year, month, day: there the row of three lists is mirrored, the year
// where the day stands in English and the day where the year stands, with the same gaps.
QRect datePlace(int left, int width)
{
    constexpr int RowLeft = 360;
    constexpr int RowRight = 2760 + 800;
    if (windowLanguage().yearFirst)
        left = RowLeft + RowRight - (left + width);
    return twipsRect(left, 240, width, 315);
}

std::chrono::year_month_day today(Platform &platform)
{
    return ToYearMonthDay(platform.clock.now().date());
}

DateSelection selectionOf(const QComboBox *day, const QComboBox *month, const QComboBox *year)
{
    return DateSelection {
        day->currentIndex() + 1, month->currentIndex() + 1, year->currentText().toInt()};
}

DateLists dateListsOf(const AppContext &context)
{
    return context.extendedCalendar ? DateLists::extended(today(context.platform))
                                    : DateLists::standard();
}

// Fills the two year lists with the years of `lists` and selects its opening dates; the lists
// are birth day, month and year, then conception day, month and year.
void offerDateLists(const DateLists &lists, const std::array<QComboBox *, 6> &dateLists)
{
    const auto [birthDay, birthMonth, birthYear, conceptionDay, conceptionMonth, conceptionYear]
        = dateLists;
    for (int year = lists.firstConceptionYear; year <= lists.lastYear; ++year)
        conceptionYear->addItem(QString::number(year));
    for (int year = lists.firstBirthYear; year <= lists.lastYear; ++year)
        birthYear->addItem(QString::number(year));
    birthDay->setCurrentIndex(lists.openingBirth.Day - 1);
    birthMonth->setCurrentIndex(lists.openingBirth.Month - 1);
    birthYear->setCurrentIndex(lists.openingBirth.Year - lists.firstBirthYear);
    conceptionDay->setCurrentIndex(lists.openingConception.Day - 1);
    conceptionMonth->setCurrentIndex(lists.openingConception.Month - 1);
    conceptionYear->setCurrentIndex(lists.openingConception.Year - lists.firstConceptionYear);
}

} // namespace

frmMain::frmMain(AppContext &context)
    : AdvertWindow(context, "frmMain")
{
    buildControls();
    buildMenus();
    fixSizeAndCentre();
    Form_Load();
}

void frmMain::buildControls()
{
    QWidget *client = makeClientArea(7155, 4680);

    const LabelStyle offer {{8.25, true, false, true}, Qt::white, Align::Centre};

    auto *Frame5 = makeFrame(client, "Frame5", twipsRect(0, 3840, 7140, 840), Maroon);
    lblFullBrand = makeLinkLabel(
        Frame5, "lblFullBrand", fullBrandOfferCaption(), twipsRect(105, 160, 6945, 615), offer);
    setBackground(lblFullBrand, Maroon, Qt::white);
    // Created after lblFullBrand, the co-brand offer starts in front; CoBrand_Randomize may
    // change that once per run.
    lblCobrand = makeLinkLabel(
        Frame5, "lblCobrand", coBrandOfferCaption(), twipsRect(120, 165, 6945, 615), offer);
    setBackground(lblCobrand, Maroon, Qt::white);

    auto *Frame2 = makeFrame(client, "Frame2", twipsRect(0, 0, 7140, 615), Maroon);
    Label61 = makeLinkLabel(Frame2, "Label61", forumBannerText(), twipsRect(120, 120, 6840, 705),
        {{9, false, false, true}, Qt::white, Align::Centre});

    auto *Frame1 = makeFrame(client, "Frame1", twipsRect(0, 555, 7140, 3255), Qt::white);
    auto *Frame4 = makeFrame(Frame1, "Frame4", twipsRect(1590, 1440, 3975, 615), Qt::white,
        tr("--Date Of Conception Of The Child----"));
    cmbConceptionDate = makeDateList(
        Frame4, "cmbConceptionDate", datePlace(360, 600), tr("Date of conception, day"));
    cmbConceptionMonth = makeDateList(
        Frame4, "cmbConceptionMonth", datePlace(1200, 1305), tr("Date of conception, month"));
    cmbConceptionYear = makeDateList(
        Frame4, "cmbConceptionYear", datePlace(2760, 800), tr("Date of conception, year"));
    auto *Frame3 = makeFrame(Frame1, "Frame3", twipsRect(1590, 795, 3975, 615), Qt::white,
        tr("-----Date Of Birth Of The Mother------"));
    cmbDOBDate = makeDateList(
        Frame3, "cmbDOBDate", datePlace(360, 600), tr("Mother's date of birth, day"));
    cmbDOBMonth = makeDateList(
        Frame3, "cmbDOBMonth", datePlace(1200, 1305), tr("Mother's date of birth, month"));
    cmbDOBYear = makeDateList(
        Frame3, "cmbDOBYear", datePlace(2760, 800), tr("Mother's date of birth, year"));

    cmdGetBabyGender = makeButton(Frame1, "cmdGetBabyGender", tr("&Get My Baby's Gender"),
        twipsRect(1560, 2100, 3975, 375), {8.25, true},
        tr("Predicts the baby's gender from the two dates"));
    // Enter presses the button when it has the focus, as the space bar does.
    cmdGetBabyGender->setAutoDefault(true);

    makeLabel(Frame1, "Label3", disclaimerText(), twipsRect(120, 2520, 6855, 615),
        {{8.25}, DarkRed, Align::Centre});
    // The reminder under the top banner, which is also the second line of the age message.
    makeLabel(Frame1, "Label2", EngineWords::ageLimits(), twipsRect(450, 600, 6255, 255),
        {{8.25, true}, WarningRed, Align::Centre});
    makeLabel(Frame1, "Label1",
        tr("KQ Rurevir Ivideruzi Zuduzire is both an interesting as well as an "
           "informative tool which helps you in predicting the gender of your "
           "baby."),
        twipsRect(390, 120, 6375, 495), {{8.25}, Qt::black, Align::Centre});

    // The keyboard order: birth date, conception date, each from left to right as the lists
    // stand, then the button.
    const bool yearFirst = windowLanguage().yearFirst;
    QWidget *order[] = {cmbDOBDate, cmbDOBMonth, cmbDOBYear, cmbConceptionDate, cmbConceptionMonth,
        cmbConceptionYear, cmdGetBabyGender};
    if (yearFirst) {
        std::swap(order[0], order[2]);
        std::swap(order[3], order[5]);
    }
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdGetBabyGender, &QPushButton::clicked, this, &frmMain::cmdGetBabyGender_Click);
    connectBannerLinks();
}

void frmMain::buildMenus()
{
    QMenu *mnufile = addMenu("mnufile", tr("&File"));
    addMenuItem(
        mnufile, "mnufileGender", tr("Get My Baby's Gender"), [this] { mnufileGender_Click(); });
    addMenuItem(mnufile, "mnuExit", tr("E&xit"), [this] { mnuExit_Click(); });
    addHelpMenuAndOffers({"mnuHelp1", "mnuHelp2", tr("Check for Software &Update")});
}

void frmMain::Form_Load()
{
    modHelp::RunUpdateReminder(context.platform);
    for (int n = 1; n <= 31; ++n) {
        cmbDOBDate->addItem(QString::number(n));
        cmbConceptionDate->addItem(QString::number(n));
    }
    for (const char *name : MonthNames)
        cmbDOBMonth->addItem(tr(name));
    for (const char *name : MonthNames)
        cmbConceptionMonth->addItem(tr(name));
    offerDateLists(dateListsOf(context),
        {cmbDOBDate, cmbDOBMonth, cmbDOBYear, cmbConceptionDate, cmbConceptionMonth,
            cmbConceptionYear});
    // The first list in the keyboard order: the day, or in Chinese the year.
    (windowLanguage().yearFirst ? cmbDOBYear : cmbDOBDate)->setFocus();
}

bool frmMain::ValidateDates()
{
    const auto failed = CheckDateSelections(selectionOf(cmbDOBDate, cmbDOBMonth, cmbDOBYear),
        selectionOf(cmbConceptionDate, cmbConceptionMonth, cmbConceptionYear),
        dateListsOf(context).leapYears);
    if (!failed)
        return true;
    context.platform.messages.show(
        EngineWords::dateCheck(*failed), MessageIcon::Information, MessageButtons::Ok);
    (ChecksTheBirthDate(*failed) ? cmbDOBDate : cmbConceptionDate)->setFocus();
    return false;
}

void frmMain::CoBrand_Randomize()
{
    // r * 6 + 1 in single precision, rounded to the nearest integer with halves to the even
    // neighbour (the default rounding mode): 1 to 7.
    const float drawn = context.platform.random.next() * 6.0f + 1.0f;
    intCoBrandRandomNumber = static_cast<std::int16_t>(std::nearbyint(drawn));
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        lblCobrand->raise();
        break;
    case 2:
    case 4:
    case 6:
        lblFullBrand->raise();
        break;
    default:
        break;
    }
}

void frmMain::cmdGetBabyGender_Click()
{
    modHelp::RunUpdateReminder(context.platform);
    if (!ValidateDates())
        return;

    const DateSelection birth = selectionOf(cmbDOBDate, cmbDOBMonth, cmbDOBYear);
    const DateSelection conception
        = selectionOf(cmbConceptionDate, cmbConceptionMonth, cmbConceptionYear);
    const PredictionAnswer answer
        = context.engine.PredictBabyGender(birth, conception, today(context.platform));
    if (answer.outcome == PredictionOutcome::AgeOutOfRange) {
        context.platform.messages.show(
            EngineWords::ageOutOfRange(), MessageIcon::Error, MessageButtons::Ok);
        return;
    }

    // The result window is filled while hidden, then takes the main window's place.
    auto *display = new frmDisplay(context);
    display->setAge(answer.motherChineseAge);
    display->ApplyGenderChart(answer.gender);
    // The gender caption, read back, chooses the panel's colour.
    const QString shownGender = display->genderCaption();
    for (const Gender gender : {Gender::Boy, Gender::Girl})
        if (shownGender == EngineWords::gender(gender))
            display->showColourOfGender(gender);
    display->setCongratulation(answer.congratulation);

    closeForSwitch();
    display->showInPlaceOfMain();
}

void frmMain::mnufileGender_Click()
{
    cmdGetBabyGender_Click();
}

} // namespace kq
