#pragma once
// Messages and questions in test failures: QCOMPARE prints a Message or a Question by its
// number.

#include "core/messages.h"

#include <QByteArray>
#include <cstring>

inline char* toString(Message message) {
    return qstrdup(QByteArray("Message ") + QByteArray::number(static_cast<int>(message)));
}

inline char* toString(Question question) {
    return qstrdup(QByteArray("Question ") + QByteArray::number(static_cast<int>(question)));
}
