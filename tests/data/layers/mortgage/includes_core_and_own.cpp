// A model file that keeps to the core, its own model headers and Qt Core: the build takes it.
#include "amortization.h"
#include "core/currency.h"
#include "mortgage/amortization.h"

#include <QString>
#include <QtCore/QDate>
#include <vector>
