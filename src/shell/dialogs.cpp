#include "shell/dialogs.h"

#include "core/datafiles.h"
#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "platform/modal.h"
#include "shell/allyesno.h"
#include "shell/amsgbox.h"
#include "shell/busypointer.h"
#include "shell/filedir.h"
#include "shell/mdicontainer.h"

#include <QByteArray>
#include <QFileInfo>

void showMessage(Message message, const QString& detail, const QString& detail2) {
    ProgramState& p = program();
    p.MessageNumber = message;
    if (!detail.isNull()) {
        p.MessageDetail = detail;
    }
    if (!detail2.isNull()) {
        p.MessageDetail2 = detail2;
    }
    AMsgbox box(MDIContainer::instance());
    runModal(box);
}

bool askQuestion(Question question) {
    program().QuestionCode = question;
    AllYesNo window(MDIContainer::instance());
    runModal(window);
    return program().QuestionCode == Question::AnsweredYes;
}

QString chooseFile(std::int16_t mode) {
    program().FileDialogMode = mode;
    FileDir::FileDirectory();
    return program().FileDialogMode == 9 ? QString() : program().ChosenPath;
}

namespace {

// Runs the dialog of `mode` and `work` on the chosen path; the protocol values are reset after.
bool throughDialog(std::int16_t mode, QString& lastName,
                   const std::function<bool(const QString&)>& work, Message failMessage,
                   bool clearNameOnFailure) {
    ProgramState& p = program();
    p.ChosenPath = lastName;
    const QString path = chooseFile(mode);
    bool done = false;
    if (!path.isEmpty()) {
        {
            BusyPointer busy;
            done = work(path);
        }
        if (done) {
            lastName = QFileInfo(path).fileName();
        } else {
            if (clearNameOnFailure) {
                lastName.clear();
            }
            showMessage(failMessage);
        }
    }
    p.FileDialogMode = 0;
    p.ChosenPath.clear();
    return done;
}

} // namespace

bool saveThroughDialog(std::int16_t mode, QString& lastName,
                       const std::function<bool(const QString& path)>& save, Message failMessage) {
    return throughDialog(mode, lastName, save, failMessage, false);
}

bool openThroughDialog(std::int16_t mode, QString& lastName,
                       const std::function<bool(const QString& path)>& open) {
    return throughDialog(mode, lastName, open, Message::FileNotFound, true);
}

bool saveExportThroughDialog(QWidget* dialogParent, const QString& defaultName,
                             const QString& filter,
                             const std::function<QByteArray(const QString& path)>& bytes) {
    const QString path = FileDialogs::save(dialogParent, defaultName, filter);
    if (path.isEmpty()) {
        return false;
    }
    bool saved = false;
    {
        BusyPointer busy;
        const QByteArray contents = bytes(path);
        saved = !contents.isEmpty() && saveFileAtomically(path, [&contents](QIODevice& device) {
            return device.write(contents) == contents.size();
        });
    }
    if (!saved) {
        showMessage(Message::FileNotSaved);
        return false;
    }
    if (MDIContainer* main = MDIContainer::instance()) {
        main->showSavedPath(path);
    }
    return true;
}
