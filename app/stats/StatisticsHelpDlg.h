// The Statistics Help dialog: what each key and result of the statistics tool means. It has
// no buttons; the close box or Esc closes it.
#pragma once

#include <QDialog>

namespace tarvo {

class CStatisticsHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CStatisticsHelpDlg(QWidget* parent = nullptr);
};

} // namespace tarvo
