#include "rfb_client.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QThread>

namespace wepn {
namespace {

constexpr quint32 kControlKeysym = 0xffe3;

} // namespace

bool RfbClient::connectTo(quint16 port, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (true) {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (m_socket.waitForConnected(1000)) {
            break;
        }
        m_socket.abort();
        if (waited.elapsed() > timeoutMs) {
            return false;
        }
        QThread::msleep(100);
    }
    QByteArray bytes;
    // Protocol version, then the server's one security type (1: none).
    if (!readExactly(12, timeoutMs, bytes) || !bytes.startsWith("RFB ")) {
        return false;
    }
    m_socket.write("RFB 003.003\n");
    if (!readExactly(4, timeoutMs, bytes) || bytes != QByteArray("\0\0\0\1", 4)) {
        return false;
    }
    m_socket.write("\1"); // shared session
    if (!readExactly(24, timeoutMs, bytes)) {
        return false;
    }
    QDataStream init(bytes);
    quint32 nameLength = 0;
    init >> m_width >> m_height;
    m_pixelFormat = bytes.mid(4, 16);
    init.skipRawData(16);
    init >> nameLength;
    return readExactly(nameLength, timeoutMs, bytes);
}

bool RfbClient::waitForFirstFrame(int timeoutMs) {
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    // The server sends frames only once it knows the pixel format (its own,
    // echoed) and an encoding (raw: 0).
    out << quint8(0) << quint8(0) << quint16(0);
    out.writeRawData(m_pixelFormat.constData(), int(m_pixelFormat.size()));
    out << quint8(2) << quint8(0) << quint16(1) << qint32(0);
    out << quint8(3) << quint8(0) << quint16(0) << quint16(0) << m_width << m_height;
    m_socket.write(request);
    QByteArray header;
    return readExactly(4, timeoutMs, header) && header.at(0) == 0;
}

void RfbClient::pressWithControl(char key) {
    sendKey(kControlKeysym, true);
    sendKey(quint32(key), true);
    sendKey(quint32(key), false);
    sendKey(kControlKeysym, false);
    m_socket.waitForBytesWritten(1000);
}

bool RfbClient::readExactly(qsizetype size, int timeoutMs, QByteArray& out) {
    out.clear();
    while (out.size() < size) {
        if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(timeoutMs)) {
            return false;
        }
        out += m_socket.read(size - out.size());
    }
    return true;
}

void RfbClient::sendKey(quint32 keysym, bool down) {
    QByteArray event;
    QDataStream out(&event, QIODevice::WriteOnly);
    out << quint8(4) << quint8(down ? 1 : 0) << quint16(0) << keysym;
    m_socket.write(event);
}

} // namespace wepn
