#include "link/PasswordSession.h"

#include "link/LinkProfiles.h"
#include "link/LinkState.h"
#include "link/PasswordCodec.h"
#include "platform/CommControl.h"
#include "platform/MessageBox.h"
#include "platform/VbTimer.h"

namespace {
constexpr int BlockAckPauseSteps = 40000;
}

PasswordSession::PasswordSession(const LinkControls &controls, QObject *parent)
    : LinkSession(controls, LinkProfile::password(), parent)
{
}

void PasswordSession::StartPasswordSession()
{
    if (WriteBusy == -1 || ReadBusy == -1)
        return;
    RetriesLeft = 0;
    StartWrite();
}

void PasswordSession::handleHandshake()
{
    switch (HandshakeStage) {
    case 0:
        LinkSession::handleHandshake();
        break;
    case 1:
        handleBlockReply();
        break;
    default:
        handleAnswer();
        break;
    }
}

void PasswordSession::identReplyAccepted(IdentForm)
{
    // The reply is only tested: no Ack of its own (the request carries one),
    // nothing published.
    HandshakeStage = 1;
    queueFrame(PasswordRules::blockRequestFrame());
    discardInput();
}

void PasswordSession::handleBlockReply()
{
    ReceiveBuffer.fill(0);
    if (!takeBlockReply(ReceiveBuffer.data()))
        return;
    if (!PasswordRules::blockFromReply(ReceiveBuffer.data())) {
        refuseBlockReply();
        return;
    }
    settleThen([this] {
        sendNow(Frame::Ack);
        pauseThen(BlockAckPauseSteps, [this] { takeBlock(); });
    });
}

void PasswordSession::refuseBlockReply()
{
    // Nothing usable to build the new block from: end the exchange now.
    sendNow(Frame::SessionEnd);
    finishExchange();
    reportFailure();
}

void PasswordSession::takeBlock()
{
    const auto block = PasswordRules::blockFromReply(ReceiveBuffer.data());
    if (!block) {
        refuseBlockReply();
        return;
    }
    for (int i = 0; i < 16; ++i)
        PasswordBlockCopy[i] = (*block)[i];
    if (!PasswordRules::noUserPassword(*block)
        && !PasswordRules::oldPasswordAccepted(OldPassword, *block)) {
        sendNow(Frame::SessionEnd);
        refusePassword();
        return;
    }
    for (VbTimer *t : {m_controls.Timer2.data(), m_controls.Timer3.data()})
        if (t)
            t->setEnabled(false);
    discardInput();
    queueFrame(PasswordRules::newBlockFrame(NewPassword, *block));
    discardInput();
    HandshakeStage = 2;
}

void PasswordSession::handleAnswer()
{
    // Bytes that come before the whole block has gone out are no answer to it.
    if (FrameSent != -1) {
        discardInput();
        return;
    }
    quint8 answer = 0;
    if (takeBytes(&answer, 1) != 1)
        return;
    ReceiveBuffer[0] = answer;
    sendNow(Frame::SessionEnd);
    finishExchange();
    const bool accepted = answer == Frame::Ack;
    const LinkTexts &t = m_settings.texts;
    QPointer<PasswordSession> self(this);
    if (accepted)
        MsgBox(t.afterWriteBox, MsgIcon::Exclamation, t.afterWriteTitle);
    else
        MsgBox(t.failureBox, MsgIcon::Exclamation, t.failureTitle);
    if (self)
        emit answered(accepted);
}
