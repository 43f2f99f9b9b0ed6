#include "shell/dialogs.h"

#include "core/programstate.h"
#include "platform/modal.h"
#include "shell/allyesno.h"
#include "shell/amsgbox.h"
#include "shell/filedir.h"
#include "shell/mdicontainer.h"

void showMessage(std::int16_t number, const QString& detail, const QString& detail2) {
    ProgramState& p = program();
    p.MessageNumber = number;
    if (!detail.isNull()) {
        p.MessageDetail = detail;
    }
    if (!detail2.isNull()) {
        p.MessageDetail2 = detail2;
    }
    AMsgbox box(MDIContainer::instance());
    runModal(box);
}

bool askQuestion(std::int16_t code) {
    program().QuestionCode = code;
    AllYesNo question(MDIContainer::instance());
    runModal(question);
    return program().QuestionCode == 6;
}

QString chooseFile(std::int16_t mode) {
    program().FileDialogMode = mode;
    FileDir::FileDirectory();
    return program().FileDialogMode == 9 ? QString() : program().ChosenPath;
}
