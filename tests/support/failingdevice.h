#pragma once
// A device whose writes fail, for testing what writers do with a disk that fills up or goes
// away. Writes succeed until `failAfter` bytes have been taken, then every write fails.
// Reading gives the bytes it was made with.

#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <utility>

class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 failAfter = 0, QByteArray readable = {})
        : m_failAfter(failAfter), m_readable(std::move(readable)) {}

    const QByteArray& written() const { return m_written; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return m_readable.size() - m_readPos + QIODevice::bytesAvailable();
    }

protected:
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = m_failAfter - m_written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = std::min(room, size);
        m_written.append(data, taken);
        return taken;
    }
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = std::min(maxSize, qint64(m_readable.size()) - m_readPos);
        if (n <= 0) {
            return m_readable.isEmpty() ? -1 : 0;
        }
        std::copy_n(m_readable.constData() + m_readPos, n, data);
        m_readPos += n;
        return n;
    }

private:
    qint64 m_failAfter;
    QByteArray m_readable;
    qint64 m_readPos = 0;
    QByteArray m_written;
};
