#include "shell/filedir.h"

#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "shell/mdicontainer.h"

QString FileDir::filterFor(std::int16_t mode) {
    switch (mode) {
    case 1:
    case 2:
        return QStringLiteral("Fendrake Database (*.orv)|*.orv");
    case 5:
    case 6:
        return QStringLiteral("Mortgage Database (*.umd)|*.umd");
    case 7:
    case 8:
        return QStringLiteral("Loan Database (*.uld)|*.uld");
    default:
        return {};
    }
}

void FileDir::FileDirectory() {
    ProgramState& p = program();
    const QString filter = filterFor(p.FileDialogMode);
    QString path;
    if (!filter.isEmpty()) {
        QWidget* parent = MDIContainer::instance();
        path = (p.FileDialogMode % 2 == 1) ? FileDialogs::open(parent, p.ChosenPath, filter)
                                           : FileDialogs::save(parent, p.ChosenPath, filter);
    }
    if (path.isEmpty()) {
        p.FileDialogMode = 9;
        p.ChosenPath.clear();
        return;
    }
    p.ChosenPath = path;
}
