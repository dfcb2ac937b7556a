// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The support window: support texts, links to the publisher's forum and programs, and the
// "Refer A Friend" form.
#include "frmNagScreen2.h"

#include "AppIcon.h"
#include "LinkLabel.h"
#include "Look.h"
#include "ScreenReader.h"
#include "Texts.h"
#include "TopmostWindow.h"
#include "WindowStyle.h"
#include "modHelp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kq {

namespace {

// The publisher's site as people read it. A word joiner after each hyphen keeps the address
// on one line when a label wraps its text.
QString siteForDisplay()
{
    QString text = publisherSiteForDisplay();
    text.replace(QLatin1String("-"), QStringLiteral("-\u2060"));
    return text;
}

QString boxText(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

// Focus that comes and goes with the whole window (another program activated, a message box
// on top) is not the user moving between the boxes: it neither clears nor restores a
// placeholder, so a box the user has just emptied stays empty behind a message box.
bool movesBetweenControls(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

QString frmNagScreen2::SupportText(int index)
{
    const QString site = siteForDisplay();
    switch (std::clamp(index, 0, SupportTextCount - 1)) {
    case 0:
        return tr("Please support our discussion forum at %1: visit it regularly and take part "
                  "in its discussions. Your questions and answers help other parents-to-be.")
            .arg(site);
    case 1:
        return tr("Enjoyed the program? Help our discussion forum grow: drop in at %1 often and "
                  "join the conversations. Every visit and every post counts.")
            .arg(site);
    case 2:
        return tr("Our discussion forum at %1 lives on its visitors. Come by regularly, ask your "
                  "questions and share your experience with other families.")
            .arg(site);
    default:
        return tr("Thank you for using this program! The best way to support it is to visit our "
                  "discussion forum at %1 regularly and to take part in its discussions.")
            .arg(site);
    }
}

int frmNagScreen2::SupportTextIndex(float r)
{
    // A source that strays to 1 (or rounds up to it) must still pick one of the four texts.
    if (!std::isfinite(r))
        return 0;
    const float scaled = std::floor(r * float(SupportTextCount));
    return int(std::clamp(scaled, 0.0f, float(SupportTextCount - 1)));
}

frmNagScreen2::frmNagScreen2(Platform &platform, std::function<void()> endProgram, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , platform(platform)
    , endProgram(std::move(endProgram))
{
    announceAsWindow(this);
    setObjectName(QStringLiteral("frmNagScreen2"));
    // A fixed border without minimise and maximise buttons, the full title and the icon, as
    // the main window has; kept above every other window.
    makeFixedWindow(this, Qt::Window);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Shown without taking the activation away from what the user is doing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(verdana());
    setBackground(this, Qt::white);

    createControls();
    layOutControls();
    Form_Load();
    // A fixed size, tall enough for the support text drawn at creation.
    setFixedHeight(layout()->totalHeightForWidth(width()));
}

void frmNagScreen2::createControls()
{
    lblNagScreen2Caption = new QLabel(this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(verdana({.pointSize = 12, .bold = true}));

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setFixedSize(48, 48);
    picNagscreen2Icon->setAlignment(Qt::AlignCenter);
    picNagscreen2Icon->setAccessibleName(tr("Application icon"));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    Check1 = new QCheckBox(
        tr("Yes, take me to the discussion forum at %1 now").arg(siteForDisplay()), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    connect(Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);

    Frame6 = new QGroupBox(tr("Download Corvane Softwares"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));

    Label3 = new QLabel(
        tr("Corvane Softwares makes more small, free and easy programs for your family and your "
           "home. You will find all of them at %1 - have a look, there may be one you like.")
            .arg(siteForDisplay()),
        Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    lblGoToHome = new LinkLabel(tr("Click Here To Visit Corvane Softwares"), Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setFont(verdana({.underline = true}));
    setTextColour(lblGoToHome, LinkBlue);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);

    Frame2 = new QGroupBox(tr("Refer A Friend"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));

    // The placeholder is the box's text until the user types, so it cannot name the box.
    const auto lineEdit = [this](const char *name, const char *placeholderText) {
        const QString placeholder = tr(placeholderText);
        auto *box = new QLineEdit(placeholder, Frame2);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(placeholder);
        box->installEventFilter(this);
        return box;
    };
    txtName = lineEdit("txtName", NamePlaceholder);
    txtEmail = lineEdit("txtEmail", EmailPlaceholder);
    txtFriendName = lineEdit("txtFriendName", FriendNamePlaceholder);
    txtFriendEmail = lineEdit("txtFriendEmail", FriendEmailPlaceholder);

    txtMessage = new QPlainTextEdit(tr(MessagePlaceholder), Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(tr(MessagePlaceholder));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->installEventFilter(this);
    txtMessage->viewport()->installEventFilter(this);

    cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setAccessibleDescription(tr("Opens the referral in your web browser"));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);

    cmdClose = new QPushButton(tr("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleDescription(tr("Ends the program"));
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);

    textBoxes = {TextBox {txtName, tr(NamePlaceholder)}, TextBox {txtEmail, tr(EmailPlaceholder)},
        TextBox {txtFriendName, tr(FriendNamePlaceholder)},
        TextBox {txtFriendEmail, tr(FriendEmailPlaceholder)},
        TextBox {txtMessage, tr(MessagePlaceholder)}};

    // The group titles are headings; what they hold is in the ordinary font.
    for (QGroupBox *frame : {Frame6, Frame2}) {
        frame->setFont(verdana({.bold = true}));
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child != lblGoToHome)
                child->setFont(verdana());
    }

    setTabOrder(Check1, txtName);
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtMessage);
    setTabOrder(txtMessage, cmdSubmit);
    setTabOrder(cmdSubmit, cmdClose);
    // The window opens with "E&xit" focused: the placeholders stay visible and Enter simply
    // ends the program, which is what the user came to this window to do.
    cmdClose->setFocus(Qt::OtherFocusReason);
}

void frmNagScreen2::layOutControls()
{
    constexpr int contentWidth = 660;

    auto *heading = new QVBoxLayout;
    heading->setSpacing(6);
    heading->addWidget(lblNagScreen2Caption);
    heading->addWidget(Label2);
    heading->addWidget(Check1);

    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(picNagscreen2Icon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto *software = new QVBoxLayout(Frame6);
    software->addWidget(Label3);
    software->addStretch(1);
    software->addWidget(lblGoToHome); // level with "Refer A Friend &Now"

    auto *form = new QGridLayout(Frame2);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(6);
    form->addWidget(txtName, 0, 0);
    form->addWidget(txtEmail, 0, 1);
    form->addWidget(txtFriendName, 1, 0);
    form->addWidget(txtFriendEmail, 1, 1);
    form->addWidget(txtMessage, 2, 0, 1, 2);
    form->setRowMinimumHeight(3, 4);
    form->addWidget(cmdSubmit, 4, 1, Qt::AlignRight);
    txtMessage->setFixedHeight(72);

    auto *frames = new QHBoxLayout;
    frames->setSpacing(10);
    frames->addWidget(Frame6, 5);
    frames->addWidget(Frame2, 6);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    cmdClose->setMinimumWidth(cmdSubmit->sizeHint().width());

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(14, 12, 14, 12);
    window->setSpacing(10);
    window->addLayout(top);
    window->addLayout(frames);
    window->addLayout(buttons);

    setFixedWidth(contentWidth);
}

// Creation steps, once per run.
void frmNagScreen2::Form_Load()
{
    lblNagScreen2Caption->setText(FullTitle());
    picNagscreen2Icon->setPixmap(ApplicationIcon().pixmap(QSize(48, 48)));

    SeedRandomFromClock(platform);
    Label2->setText(SupportText(SupportTextIndex(platform.random.next())));
}

frmNagScreen2 *frmNagScreen2::ShowSupportWindow(
    Platform &platform, std::function<void()> endProgram)
{
    static QPointer<frmNagScreen2> window;
    if (!window)
        window = new frmNagScreen2(platform, std::move(endProgram));
    ShowTopmost(*window);
    return window;
}

// Centred once, when its frame is known.
void frmNagScreen2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (centred)
        return;
    centred = true;
    centreOnScreen(this);
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    for (const TextBox &box : textBoxes) {
        // The message box takes its clicks in its viewport.
        const auto *edit = qobject_cast<const QPlainTextEdit *>(box.widget);
        const bool inViewport
            = edit && watched == edit->viewport() && event->type() == QEvent::MouseButtonPress;
        if (watched != box.widget && !inViewport)
            continue;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            // On a desktop that does not activate the window by itself, the click both activates
            // it and gives this box the focus, which then arrives with the activation.
            clickedBeforeActivation = isActiveWindow() ? nullptr : box.widget;
            break;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            const bool clickedInto = reason == Qt::ActiveWindowFocusReason
                && std::exchange(clickedBeforeActivation, nullptr) == box.widget;
            if (clickedInto || movesBetweenControls(reason))
                textBoxGotFocus(box);
            break;
        }
        case QEvent::FocusOut:
            if (movesBetweenControls(static_cast<QFocusEvent *>(event)->reason()))
                textBoxLostFocus(box);
            break;
        case QEvent::KeyPress:
            if (box.widget == txtEmail || box.widget == txtFriendEmail)
                return !emailKeyPress(box.widget, static_cast<QKeyEvent *>(event)->text());
            break;
        default:
            break;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The placeholder the box was given when the window was made.
const QString &frmNagScreen2::placeholderOf(const QWidget *box) const
{
    const auto found = std::find_if(textBoxes.cbegin(), textBoxes.cend(),
        [box](const TextBox &candidate) { return candidate.widget == box; });
    Q_ASSERT(found != textBoxes.cend());
    return found->placeholder;
}

void frmNagScreen2::textBoxGotFocus(const TextBox &box)
{
    if (TrimSpaces(boxText(box.widget)) == box.placeholder)
        setBoxText(box.widget, QString());
}

void frmNagScreen2::textBoxLostFocus(const TextBox &box)
{
    if (TrimSpaces(boxText(box.widget)).isEmpty())
        setBoxText(box.widget, box.placeholder);
}

// txtEmail_KeyPress and txtFriendEmail_KeyPress: an e-mail address holds no space. Returns
// whether the typed character goes into the box. Pasted text is not checked.
bool frmNagScreen2::emailKeyPress(QWidget *box, const QString &typed)
{
    if (typed != QLatin1String(" "))
        return true;
    showError(tr("Email Address Cannot Contain Space"));
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

ReferralRequest frmNagScreen2::takeRequest() const
{
    return {TrimSpaces(txtName->text()), TrimSpaces(txtEmail->text()),
        TrimSpaces(txtMessage->toPlainText()), TrimSpaces(txtFriendName->text()),
        TrimSpaces(txtFriendEmail->text())};
}

void frmNagScreen2::cmdSubmit_Click()
{
    const ReferralRequest request = takeRequest();
    if (request.Email == request.FriendEmail) {
        showError(tr("Please Enter Distinct Email Addresses"));
        return;
    }
    const bool bothHaveAt = request.Email.contains(u'@') && request.FriendEmail.contains(u'@');
    const bool bothHaveDot = request.Email.contains(u'.') && request.FriendEmail.contains(u'.');
    if (!bothHaveAt || !bothHaveDot) {
        showError(tr("Please Enter Proper Email Address"));
        return;
    }
    SendReferral(request);
}

void frmNagScreen2::SendReferral(const ReferralRequest &request)
{
    struct Field
    {
        const QString &value;
        const QWidget *box;
        QString message;
    };
    const Field fields[] = {
        {request.Name, txtName, tr("Please Enter Your Name")},
        {request.Email, txtEmail, tr("Please Enter Your Email")},
        {request.Message, txtMessage, tr("Please Enter Your Message")},
        {request.FriendName, txtFriendName, tr("Please Enter Your Friend's Name")},
        {request.FriendEmail, txtFriendEmail, tr("Please Enter Your Friend's Email")},
    };
    for (const Field &field : fields) {
        if (field.value.isEmpty() || field.value == placeholderOf(field.box)) {
            showError(field.message);
            return;
        }
    }
    // The form keeps its texts and the window stays open, so the user can refer another friend.
    OpenReferral(platform, request);
}

void frmNagScreen2::Check1_Click(bool checked)
{
    // The box works as a link: it never stays ticked.
    if (!checked)
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage(platform);
}

void frmNagScreen2::lblGoToHome_Click()
{
    modHelp::OpenSoftwarePage(platform);
}

void frmNagScreen2::cmdClose_Click()
{
    runEndProgram();
}

// Form_Unload: the close box ends the program. A close made by EndProgram itself, while it
// closes every window, does not start it again.
void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    if (!endingProgram)
        runEndProgram();
    event->accept();
}

void frmNagScreen2::runEndProgram()
{
    endingProgram = true;
    endProgram();
}

void frmNagScreen2::showError(const QString &text)
{
    platform.messages.show(text, MessageIcon::Error, MessageButtons::Ok);
}

} // namespace kq
