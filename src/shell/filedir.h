#pragma once
// The file window: never shown itself, it runs the platform's open or save dialog for the file
// type of FileDialogMode (odd = open, even = save) with ChosenPath as the default name.

#include <QString>
#include <cstdint>

class FileDir {
public:
    // On success ChosenPath is the full path chosen; on Cancel or any failure FileDialogMode
    // becomes 9 and ChosenPath is empty.
    static void FileDirectory();

    // The dialog filter of a mode ("Mortgage Database (*.umd)|*.umd"), empty for an unknown one.
    static QString filterFor(std::int16_t mode);
};
