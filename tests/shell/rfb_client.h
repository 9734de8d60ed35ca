#pragma once

#include <QTcpSocket>

namespace wepn {

// Just enough of a VNC (RFB 3.3) client to press keys in a program that runs
// on Qt's VNC platform, the only way to type into an off-screen process.
class RfbClient {
  public:
    // Connects to the local port, retrying until the server listens, and
    // completes the handshake.
    bool connectTo(quint16 port, int timeoutMs);
    // Asks for the whole screen and waits until its first bytes arrive.
    bool waitForFirstFrame(int timeoutMs);
    // Presses and releases Control and `key` (a lower-case letter).
    void pressWithControl(char key);

  private:
    bool readExactly(qsizetype size, int timeoutMs, QByteArray& out);
    void sendKey(quint32 keysym, bool down);

    QTcpSocket m_socket;
    quint16 m_width = 0;
    quint16 m_height = 0;
    QByteArray m_pixelFormat;
};

} // namespace wepn
