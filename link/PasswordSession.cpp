#include "link/PasswordSession.h"

#include <QPointer>

#include "link/LinkProfiles.h"
#include "link/LinkState.h"
#include "link/PasswordCodec.h"
#include "platform/MessageBox.h"

namespace {
constexpr int BlockAckPauseSteps = 40000;
}

PasswordSession::PasswordSession(const LinkControls &controls, QObject *parent)
    : LinkSession(controls, LinkProfile::password(), parent)
{
}

void PasswordSession::StartPasswordSession()
{
    if (transferBusy())
        return;
    RetriesLeft = 0;
    StartWrite();
}

void PasswordSession::identReplyAccepted(IdentForm)
{
    // The reply is only tested: no Ack of its own (the request carries one),
    // nothing published.
    HandshakeStage = 1;
    queueFrame(PasswordRules::blockRequestFrame());
}

void PasswordSession::dataReplyReceived(const quint8 *reply)
{
    std::copy(reply, reply + m_read.size(), m_read.begin());
    if (!PasswordRules::blockFromReply(m_read.data())) {
        refuseBlockReply();
        return;
    }
    // The new block is built from this one: nothing may follow it on the
    // line before it is taken.
    afterQuiet([this] { pauseThen(BlockAckPauseSteps, [this] { takeBlock(); }); });
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
    const auto block = PasswordRules::blockFromReply(m_read.data());
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
    HandshakeStage = 2;
    queueFrame(PasswordRules::newBlockFrame(NewPassword, *block), ReplyGate::Reply::Answer);
}

void PasswordSession::answerReceived(quint8 answer)
{
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
