#include "support/FakeCommControl.h"

#include "support/SimRadio.h"

#include <QMap>
#include <QPointer>
#include <QSet>

namespace {
QMap<int, QPointer<SimRadio>> &pluggedPorts()
{
    static QMap<int, QPointer<SimRadio>> ports;
    return ports;
}

QSet<int> &heldEmptyPorts()
{
    static QSet<int> held;
    return held;
}
} // namespace

FakeCommControl::FakeCommControl(QObject *parent) : CommControl(parent) {}

FakeCommControl::FakeCommControl(SimRadio *radio, QObject *parent)
    : CommControl(parent), m_fixedRadio(radio)
{
}

FakeCommControl::~FakeCommControl()
{
    release();
}

void FakeCommControl::plug(int com, SimRadio *radio)
{
    pluggedPorts().insert(com, radio);
}

void FakeCommControl::unplug(int com)
{
    pluggedPorts().remove(com);
}

void FakeCommControl::unplugAll()
{
    pluggedPorts().clear();
    heldEmptyPorts().clear();
}

bool FakeCommControl::setPortOpen(bool open)
{
    if (!open) {
        release();
        return true;
    }
    if (m_open) {
        m_error = QStringLiteral("Port already open");
        return false;
    }
    if (m_failOpen) {
        m_error = QStringLiteral("COM%1 refused").arg(commPort());
        return false;
    }
    SimRadio *radio = m_fixedRadio.data();
    if (!radio) {
        auto it = pluggedPorts().constFind(commPort());
        if (it == pluggedPorts().constEnd()) {
            m_error = QStringLiteral("COM%1 does not exist").arg(commPort());
            return false;
        }
        radio = it->data();
    }
    if (radio) {
        if (radio->m_fake && radio->m_fake != this) {
            m_error = QStringLiteral("COM%1 is in use").arg(commPort());
            return false;
        }
        radio->attachFake(this);
    } else {
        if (heldEmptyPorts().contains(commPort())) {
            m_error = QStringLiteral("COM%1 is in use").arg(commPort());
            return false;
        }
        heldEmptyPorts().insert(commPort());
        m_heldCom = commPort();
    }
    m_radio = radio;
    m_open = true;
    ++m_openCount;
    inBuffer().clear();
    m_error.clear();
    return true;
}

void FakeCommControl::release()
{
    if (m_radio)
        m_radio->detachFake(this);
    m_radio = nullptr;
    if (m_heldCom)
        heldEmptyPorts().remove(m_heldCom);
    m_heldCom = 0;
    m_open = false;
    inBuffer().clear();
}

void FakeCommControl::output(const QByteArray &bytes)
{
    if (!m_open) {
        m_error = QStringLiteral("Port not open");
        return;
    }
    m_written += bytes;
    if (m_radio)
        m_radio->hear(bytes);
}

void FakeCommControl::fromRadio(const QByteArray &bytes)
{
    if (m_open)
        receiveBytes(bytes);
}
