// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The support window: the last window of a run. It asks the user to support the publisher's
// discussion forum, links to the publisher's other programs and offers the "Refer A Friend"
// form. Closing it, by its close box or "E&xit", ends the program.
#pragma once

#include "Platform.h"
#include "Referral.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kq {

class LinkLabel;

class frmNagScreen2 : public QWidget
{
    Q_OBJECT
public:
    // endProgram runs when the user closes the window or presses "E&xit": the program's
    // EndProgram.
    frmNagScreen2(Platform &platform, std::function<void()> endProgram, QWidget *parent = nullptr);

    // Creates the window the first time it is asked for (once per run), then shows it on top
    // of other windows without taking the activation. Returns at once with the window.
    static frmNagScreen2 *ShowSupportWindow(Platform &platform, std::function<void()> endProgram);

    // The four support texts, and which one a draw r (0 <= r < 1) picks: the whole part of
    // r * 4, kept within 0..3 whatever the random source returns.
    static constexpr int SupportTextCount = 4;
    static QString SupportText(int index);
    static int SupportTextIndex(float r);

    // The placeholder each box holds while the user has entered nothing (shown through tr()).
    static constexpr const char *NamePlaceholder = QT_TR_NOOP("Your Name");
    static constexpr const char *EmailPlaceholder = QT_TR_NOOP("Your Email Address");
    static constexpr const char *FriendNamePlaceholder = QT_TR_NOOP("Friend's Name");
    static constexpr const char *FriendEmailPlaceholder = QT_TR_NOOP("Friend's Email Address");
    static constexpr const char *MessagePlaceholder = QT_TR_NOOP("Your Message");

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct TextBox
    {
        QWidget *widget;
        QString placeholder;
    };

    void createControls();
    void layOutControls();
    void Form_Load();

    void cmdSubmit_Click();
    void SendReferral(const ReferralRequest &request);
    void cmdClose_Click();
    void Check1_Click(bool checked);
    void lblGoToHome_Click();

    const QString &placeholderOf(const QWidget *box) const;
    void textBoxGotFocus(const TextBox &box);
    void textBoxLostFocus(const TextBox &box);
    bool emailKeyPress(QWidget *box, const QString &typed);

    ReferralRequest takeRequest() const;
    void showError(const QString &text);
    void runEndProgram();

    Platform &platform;
    std::function<void()> endProgram;
    bool endingProgram = false;
    bool centred = false;
    // The box the user has pressed the mouse in while the window was not active yet: the focus
    // it receives with the window's activation is the user's own click into it.
    QWidget *clickedBeforeActivation = nullptr;

    QLabel *lblNagScreen2Caption = nullptr;
    QLabel *picNagscreen2Icon = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame6 = nullptr;
    LinkLabel *lblGoToHome = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QPushButton *cmdSubmit = nullptr;
    QPushButton *cmdClose = nullptr;

    std::array<TextBox, 5> textBoxes {};
};

} // namespace kq
