// The result window.
#include "frmDisplay.h"

#include "CaptionFrame.h"
#include "LinkLabel.h"
#include "Texts.h"
#include "Twips.h"
#include "WindowStyle.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "modDurorurOzivurediRuvidevo.h"
#include "modHelp.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace kq {

namespace {

QColor toQColor(const Rgb &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The panel's captions: white, "Verdana" 11.25 pt bold italic.
constexpr FontStyle PanelFont {11.25, true, true, false};
constexpr FontStyle PanelHeadingFont {11.25, true, true, true};

LabelStyle panelText(Align align, bool underline = false)
{
    return {underline ? PanelHeadingFont : PanelFont, Qt::white, align};
}

QLabel *makeBox(QWidget *parent, const char *name, const QRect &place)
{
    QLabel *box = makeLabel(parent, name, QString(), place, {});
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Plain);
    box->setLineWidth(1);
    return box;
}

} // namespace

frmDisplay::frmDisplay(AppContext &context)
    : QMainWindow(nullptr)
    , context(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmDisplay"));
    makeFixedMainWindow(this);
    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);
}

void frmDisplay::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsSize(7380, 4575));
    client->setFont(verdana());
    setBackground(client, Qt::white);
    setCentralWidget(client);

    cmdBack = new QPushButton(QStringLiteral("&Back"), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(twipsRect(0, 3255, 7380, 495));
    cmdBack->setFont(verdana({12, true}));
    setButtonFace(cmdBack);
    // Enter presses the button when it has the focus, as the space bar does.
    cmdBack->setAutoDefault(true);
    cmdBack->setAccessibleDescription(QStringLiteral("Returns to the date entry"));

    auto *Frame2 = makeFrame(client, "Frame2", twipsRect(0, -40, 7380, 615), Qt::white);
    Label61 = makeLinkLabel(Frame2, "Label61", forumBannerText(), twipsRect(0, 120, 7320, 585),
        {{9, true, false, true}, LinkBlue, Align::Centre});

    frmScreenColor
        = makeFrame(client, "frmScreenColor", twipsRect(0, 495, 7380, 2160), toQColor(BoyColour));
    makeBox(frmScreenColor, "Label4", twipsRect(3210, 1560, 975, 495));
    lblAge = makeLabel(frmScreenColor, "lblAge", QStringLiteral("88"),
        twipsRect(3525, 720, 330, 270), panelText(Align::Centre));
    makeBox(frmScreenColor, "Label1", twipsRect(3210, 600, 975, 495));
    lblAge->setAccessibleDescription(QStringLiteral("Mother's Chinese age"));
    lblGenderOfChild = makeLabel(frmScreenColor, "lblGenderOfChild", QStringLiteral("Boy"),
        twipsRect(3450, 1680, 480, 270), panelText(Align::Centre));
    lblGenderOfChild->setAccessibleDescription(QStringLiteral("Predicted gender of the baby"));
    lblCongratulationMsg = makeLabel(frmScreenColor, "lblCongratulationMsg",
        fromView(NineMonthsOrMoreText), twipsRect(750, 1200, 5880, 270), panelText(Align::Left));
    QLabel *Label3 = makeLabel(frmScreenColor, "Label3", QStringLiteral("Mother's Chinese Age is"),
        twipsRect(2220, 240, 2940, 270), panelText(Align::Left, true));
    // The panel's captions are designed as single lines: keep every word in sight.
    fitOnOneLine(Label3, PanelHeadingFont);
    fitOnOneLine(lblAge, PanelFont);
    fitOnOneLine(lblGenderOfChild, PanelFont);
    fitOnOneLine(lblCongratulationMsg, PanelFont);
    frmScreenColor->setAccessibleName(QStringLiteral("Prediction"));
    describeResult();

    auto *Frame5 = makeFrame(client, "Frame5", twipsRect(0, 3735, 7380, 840), Qt::white);
    const LabelStyle offer {{8.25, true, false, true}, LinkBlue, Align::Centre};
    lblFullBrand = makeLinkLabel(
        Frame5, "lblFullBrand", fullBrandOfferCaption(), twipsRect(218, 160, 6945, 615), offer);
    setBackground(lblFullBrand, Qt::white);
    // Created last, the co-brand offer lies in front; nothing in this window changes that.
    lblCobrand = makeLinkLabel(
        Frame5, "lblCobrand", coBrandOfferCaption(), twipsRect(218, 165, 6945, 615), offer);
    setBackground(lblCobrand, Qt::white);

    makeLabel(client, "Label5", disclaimerText(), twipsRect(240, 2640, 6855, 615),
        {{8.25}, DarkRed, Align::Centre});
    // The colour's name and its caption exist but are never shown: the panel shows the colour.
    lblColorOfBaby = makeLabel(client, "lblColorOfBaby", QStringLiteral("88"),
        twipsRect(0, 0, 330, 270), panelText(Align::Centre));
    lblColorOfBaby->hide();
    QLabel *Label2 = makeLabel(client, "Label2", QStringLiteral("Color For Baby is"),
        twipsRect(2535, 840, 510, 270), panelText(Align::Left, true));
    Label2->hide();

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(Label61, &LinkLabel::clicked, this, &frmDisplay::Label61_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmDisplay::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &frmDisplay::lblFullBrand_Click);
}

void frmDisplay::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    auto item = [this](QMenu *menu, const char *name, const QString &caption, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu *mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    item(mnuFile, "mnuFileBack", QStringLiteral("&Back"), &frmDisplay::mnuFileBack_Click);
    item(mnuFile, "mnuExit", QStringLiteral("E&xit"), &frmDisplay::mnuExit_Click);

    QMenu *mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"), &frmDisplay::mnuOnline_Click);
    item(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"), &frmDisplay::mnuVisit_Click);
    separator(mnuHelp, "mnuFileSep1");
    item(mnuHelp, "mnuUpdate", QStringLiteral("&Check for Software Update"),
        &frmDisplay::mnuUpdate_Click);
    separator(mnuHelp, "mnuFileSep2");
    item(mnuHelp, "mnuAbout", QStringLiteral("&About Software"), &frmDisplay::mnuAbout_Click);

    QAction *mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &frmDisplay::mnuDonate_Click);

    // Created not usable, hidden as on the main window; its handler stays wired.
    QAction *mnumakemoney = bar->addAction(QStringLiteral("Make Money &Online"));
    mnumakemoney->setObjectName(QStringLiteral("mnumakemoney"));
    mnumakemoney->setVisible(false);
    connect(mnumakemoney, &QAction::triggered, this, &frmDisplay::mnumakemoney_Click);
}

void frmDisplay::setAge(std::int16_t age)
{
    lblAge->setText(QString::number(age));
    fitOnOneLine(lblAge, PanelFont);
    describeResult();
}

void frmDisplay::ApplyGenderChart(std::int16_t age, std::int16_t lunarMonth)
{
    if (const auto gender = modDurorurOzivurediRuvidevo::LookUpGender(age, lunarMonth)) {
        lblGenderOfChild->setText(QString::fromUtf8(gender->data(), qsizetype(gender->size())));
        fitOnOneLine(lblGenderOfChild, PanelFont);
        describeResult();
    }
}

void frmDisplay::showColourOfGender()
{
    const QString gender = lblGenderOfChild->text();
    if (gender == QLatin1String("Boy")) {
        setBackground(frmScreenColor, toQColor(BoyColour));
        lblColorOfBaby->setText(QStringLiteral("Blue"));
    } else if (gender == QLatin1String("Girl")) {
        setBackground(frmScreenColor, toQColor(GirlColour));
        lblColorOfBaby->setText(QStringLiteral("Pink"));
    }
}

void frmDisplay::setCongratulation(const QString &line)
{
    lblCongratulationMsg->setText(line);
    fitOnOneLine(lblCongratulationMsg, PanelFont);
    describeResult();
}

// The panel read as one sentence, the way it reads on screen from the top: a screen reader gives it
// with the panel and with "&Back", which has the focus when the window opens.
void frmDisplay::describeResult()
{
    const QString result
        = QStringLiteral("Mother's Chinese Age is %1. %2 %3")
              .arg(lblAge->text(), lblCongratulationMsg->text(), lblGenderOfChild->text());
    frmScreenColor->setAccessibleDescription(result);
    cmdBack->setAccessibleDescription(result);
}

void frmDisplay::showInPlaceOfMain()
{
    show();
    activateWindow();
    cmdBack->setFocus();
}

void frmDisplay::cmdBack_Click()
{
    closingForSwitch = true;
    close();
    auto *main = new frmMain(context);
    main->show();
    main->activateWindow();
}

void frmDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

void frmDisplay::mnuExit_Click()
{
    close();
}

void frmDisplay::mnuOnline_Click()
{
    modHelp::OpenHelpPage(context.platform);
}

void frmDisplay::mnuVisit_Click()
{
    modHelp::OpenHomePage(context.platform);
}

void frmDisplay::mnuUpdate_Click()
{
    modHelp::OpenDownloadPage(context.platform);
}

void frmDisplay::mnuAbout_Click()
{
    frmAbout about(context.platform);
    about.exec();
}

void frmDisplay::mnuDonate_Click()
{
    modHelp::OpenDonatePage(context.platform);
}

void frmDisplay::mnumakemoney_Click()
{
    modHelp::OpenFullyBrandedPage(context.platform);
}

void frmDisplay::Label61_Click()
{
    modHelp::OpenHomePage(context.platform);
}

void frmDisplay::lblCobrand_Click()
{
    modHelp::OpenCoBrandPage(context.platform);
}

void frmDisplay::lblFullBrand_Click()
{
    modHelp::OpenFullyBrandedPage(context.platform);
}

// As on the main window: every close but the switch back to the main window is the user
// leaving, and hands over to the exit flow.
void frmDisplay::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!closingForSwitch && !modHelp::IsEnding())
        runExitFlowAfterClose(context);
}

} // namespace kq
