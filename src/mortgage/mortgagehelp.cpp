#include "mortgage/mortgagehelp.h"

namespace {

// The example figures stand on the lines level with the entry fields they illustrate.
const char* const Common =
    "Click any yellow box and type in numbers, deletes previous ones.  For results click "
    "Calculate.\n"
    "                             Press F1 key for more detailed information.\n";

const char* const MortgageHelp =
    "100,000.00\n\n\n"
    "       6.125\n\n\n\n"
    "           25\n\n\n"
    "Click down arrow to select different compound interest periods.\n"
    "American = Monthly.  Canadian = Semi-Annual.\n\n"
    "Click down arrow to select different payment frequencies.\n"
    "Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + "
    "Interest. Mortgage retired earlier.\n\n"
    "Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers.\n\n"
    "Click 'Additional Payments'. Type the amount of payment. 'OK' accepts all changes, 'Erase "
    "all' sets all cells to 0. Effects all calculations unless Amortization changed or 'Erase "
    "all'. Amounts added at start of that year to Principal Payment.\n\n"
    "Click 'Days in Year' to change the way interest is computed when used with all 'Frequency and "
    "type of each payment' except Monthly and Semimonthly payments. Read 'How to use Program' for "
    "explanation.\n\n"
    "Show payments. Click option to show All payments or just the Annual totals.\n\n";

const char* const LoanHelp =
    "10,000.00\n\n\n\n"
    "      6.125\n\n\n\n"
    "          60\n\n\n\n"
    "Monthly.   Almost all Loans are based on monthly compounding.\n\n\n"
    "Monthly.   All Loans are based on one payment each month, 12 payments each\n"
    "               year during the payback period. Same as a Normal mortgage.\n\n"
    "Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for\n"
    "        numbers.\n\n"
    "Normally financial institutions do not allow Additional Payments. Use if allowed.\n\n"
    "When using accelerated payments, change the Days in Year. Use if allowed.\n\n"
    "Show Payments. Click option to show All payments or just the Annual totals.\n\n";

} // namespace

QString mortgageHelpText(MortgageModeFlag mortgageMode) {
    return QString::fromLatin1(Common) +
           QString::fromLatin1(mortgageMode == MortgageModeFlag::Loan ? LoanHelp : MortgageHelp);
}
