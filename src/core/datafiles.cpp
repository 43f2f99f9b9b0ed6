#include "core/datafiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 control code.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// read(2), again when a signal interrupted it.
ssize_t readRetrying(int fd, char* into, qsizetype size) {
    ssize_t n = 0;
    do {
        n = ::read(fd, into, static_cast<size_t>(size));
    } while (n < 0 && errno == EINTR);
    return n;
}

// Opens `path` for reading without waiting (a named pipe would hold the program at the open
// until something wrote to it) and refuses, before a byte is read, what is not a regular file
// (a pipe, a device, a folder) or is larger than `maxSize`. The descriptor is -1 when refused.
struct OpenedFile {
    int fd = -1;
    DataFileOpen result = DataFileOpen::Unreadable;
    qint64 size = 0;
};

OpenedFile openRegularFile(const QString& path, qint64 maxSize) {
    OpenedFile opened;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return opened;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize) {
        if (S_ISREG(info.st_mode) && info.st_size > maxSize) {
            opened.result = DataFileOpen::TooLarge;
        }
        ::close(fd);
        return opened;
    }
    opened.fd = fd;
    opened.result = DataFileOpen::Opened;
    opened.size = info.st_size;
    return opened;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
    // Stateless: a sequence cut off at the end of the bytes is an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
}

QString decodeLine(QByteArrayView bytes, bool utf8) {
    if (utf8) {
        return QString::fromUtf8(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(Windows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decodeFileText(const QByteArray& bytes) {
    return decodeLine(QByteArrayView(bytes), isValidUtf8(QByteArrayView(bytes)));
}

std::optional<QByteArray> readFileBytes(const QString& path) {
    const OpenedFile opened = openRegularFile(path, MaxFileSize);
    if (opened.fd < 0) {
        return std::nullopt;
    }
    const int fd = opened.fd;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    // Exactly the bytes the file says it holds, and then its end. The files of the kernel (under
    // /proc and /sys) call themselves regular files of 0 or 4096 bytes and hold something
    // else; read on, such a file may never end, or wait for data that never comes.
    QByteArray bytes(static_cast<qsizetype>(opened.size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = readRetrying(fd, bytes.data() + got, bytes.size() - got);
        if (n <= 0) {
            return std::nullopt;
        }
        got += n;
    }
    char beyond = 0;
    if (readRetrying(fd, &beyond, 1) != 0) {
        return std::nullopt;
    }
    return bytes;
}

DataFileOpen openDataFile(QFile& file, const QString& path, qint64 maxSize) {
    const OpenedFile opened = openRegularFile(path, maxSize);
    if (opened.fd < 0) {
        return opened.result;
    }
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return DataFileOpen::Unreadable;
    }
    return DataFileOpen::Opened;
}

QString fileNameOf(const QString& name, const QString& fallback) {
    static const QRegularExpression unsafe(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])"));
    QString safe = name.trimmed();
    safe.replace(unsafe, QStringLiteral("_"));
    if (safe.isEmpty() || safe.startsWith(u'.')) {
        safe.prepend(fallback);
    }
    return safe;
}

bool saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // The records are made in memory first; an exception from `write` passes on before the
    // file is touched.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!write(buffer)) {
            return false;
        }
    }
    // Only a regular file is replaced: a named pipe or a device in its place stays as it is.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return false;
    }
    // Unbuffered, so that a disk that refuses the bytes says so at the write: a buffered save
    // file flushes inside commit(), which does not report a failure there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
