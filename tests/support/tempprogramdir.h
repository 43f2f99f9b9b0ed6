#pragma once
// A temporary program directory for tests: while it lives it is the current directory, where
// the program opens its files by bare name. The previous current directory comes back and the
// directory and its files are removed at the end.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

class TempProgramDir {
public:
    TempProgramDir() : m_previous(QDir::currentPath()) {
        if (m_dir.isValid()) {
            QDir::setCurrent(m_dir.path());
        }
    }
    ~TempProgramDir() { QDir::setCurrent(m_previous); }
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Copies `source` into the directory as `name` (its own name when empty).
    bool copyIn(const QString& source, const QString& name = {}) const {
        const QString target = filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
        QFile::remove(target);
        return QFile::copy(source, target);
    }
    // Writes `bytes` to the file `name` in the directory.
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray read(const QString& name) const {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
