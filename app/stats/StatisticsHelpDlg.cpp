#include "StatisticsHelpDlg.h"

#include "DialogLabels.h"
#include "DialogUnits.h"

#include <QLabel>

namespace tarvo {

namespace {

constexpr const char* kHelpTexts[] = {
    "Enter - adds new number to data sample and updates calculations ",
    "CE - clears entry, clears number being input",
    "CLR - clears all numbers and resets calculation",
    "Backspace (<-) - deletes last digit added to number.  Backspace can also delete previously "
    "entered numbers.",
    "n =    - this is the number of data in the sample size",
    "Sum  - is the sum of all the data in the sample",
    "Mean - is the average of the data in the sample size",
    "Variance (n) - is the biased variance of the sample",
    "Std Dev (n) - is the standard deviation or (variance / n)",
    "Std Dev (n-1) - is the standard deviation or (variance / n-1)",
    "Transfer - transfers value selected by Radio Buttons to Tarvo XFER memory",
    "Maximum Sample Size = 100",
};

// Dialog units.
constexpr int kMargin = 10;
constexpr int kTextWidth = 260;
constexpr int kTextGap = 4;

} // namespace

CStatisticsHelpDlg::CStatisticsHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Statistics Help");
    setFont(DialogFont());
    const DialogUnits units(font());
    const int width = units.X(kTextWidth);
    int y = units.Y(kMargin);
    for (const char* text : kHelpTexts) {
        QLabel* label = NewWrappedText(text, this);
        const int height = label->heightForWidth(width);
        label->setGeometry(units.X(kMargin), y, width, height);
        y += height + units.Y(kTextGap);
    }
    setFixedSize(units.X(kMargin + kTextWidth + kMargin), y - units.Y(kTextGap) + units.Y(kMargin));
}

} // namespace tarvo
