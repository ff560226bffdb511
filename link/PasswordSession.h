#pragma once
// The password window's exchange: the opening command one byte per 15 ms
// tick, the identification only tested (no Ack, no status bar, BandLimits
// kept), the 64-byte read at 0x3DC0 behind an Ack, the check of the old
// password against the block in it, the write of the new block to 0x3DF0
// and the radio's one-byte answer, then 'E'. It never retries: a reply
// time-out ends the attempt and the failure box follows 5000 ms later.
// The passwords come from OldPassword and NewPassword at the moment the
// block arrives.
#include "link/LinkSession.h"

class PasswordSession : public LinkSession
{
    Q_OBJECT
public:
    // Runs the exchange of LinkProfile::password() on the window's controls.
    PasswordSession(const LinkControls &controls, QObject *parent = nullptr);

    // Starts the exchange with no retry; does nothing while one runs or when
    // the port cannot be opened (the port box has then been shown).
    void StartPasswordSession();

signals:
    // The radio answered the new block, 0x06 (accepted) or another byte; the
    // port is closed, and the box that tells the user has been closed again.
    void answered(bool accepted);

protected:
    void identReplyAccepted(IdentForm form) override;
    // The 64 bytes at 0x3DC0: once the line has stayed quiet behind them,
    // their Ack, the counted pause and the new block.
    void dataReplyReceived(const quint8 *reply) override;
    // The radio's one byte after the new block.
    void answerReceived(quint8 answer) override;
    // A block reply that is not the block (another echo, a byte too many):
    // 'E', and the failure box at once.
    void refuseBlockReply() override;

private:
    void takeBlock();

    std::array<quint8, Frame::DataReplyTaken> m_read{};  // the block reply taken
};
