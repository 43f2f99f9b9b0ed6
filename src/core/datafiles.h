#pragma once
// The program's data files on disk: reading a whole file (refusing what cannot be one of the
// program's files), decoding its bytes, and replacing a file atomically.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

// The program's files are a few kilobytes (a 1,000-record trend database is about 40 KB): a
// larger file is not one of them and is refused before it is read.
inline constexpr qint64 MaxFileSize = qint64{1024} * 1024;

// Decodes file bytes: UTF-8 when valid, Windows-1252 otherwise.
bool isValidUtf8(QByteArrayView bytes);
QString decodeLine(QByteArrayView bytes, bool utf8);
QString decodeFileText(const QByteArray& bytes);

// The whole contents of a file, or nothing when it cannot be opened or read, is not a regular
// file (a named pipe, a device, a file of the kernel's under /proc), or is larger than
// MaxFileSize. It never waits for bytes to come.
std::optional<QByteArray> readFileBytes(const QString& path);

// Opens a file to be read piece by piece, as readFileBytes() opens it: never waiting, and only
// a regular file of at most `maxSize` bytes. A file that grows while it is read can still give
// more, so a reader that must stay within `maxSize` counts the bytes it takes.
enum class DataFileOpen { Opened, Unreadable, TooLarge };
DataFileOpen openDataFile(QFile& file, const QString& path, qint64 maxSize);

// `name` made fit to be a file's name: each character a file name cannot hold (a slash, a
// control character, and those other systems refuse) becomes "_"; a name that is empty or
// starts with a point gets `fallback` in front.
QString fileNameOf(const QString& name, const QString& fallback);

// Writes a file atomically: `write` fills a device in memory; the file is replaced only when
// `write` returns true and every byte reached the disk. A failed or interrupted save (a full
// disk included) leaves any old file byte for byte. A path that holds something other than a
// regular file (a named pipe, a device) is refused and left alone. Returns false on failure.
bool saveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
