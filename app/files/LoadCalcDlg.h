// The Load Calc dialog: the browser logic shown in its statics, edit and buttons.
#pragma once

#include "LoadCalcBrowser.h"
#include "MessagePresenter.h"

#include <QDialog>

#include <array>

class QLabel;
class QPlainTextEdit;

namespace tarvo {

enum class LoadCalcButton : int {
    Ok = 1,
    Cancel = 2,
    Next = 1120,
    Previous = 1121,
    Overwrite = 1122,
    Delete = 1127,
    Insert = 1128,
};

class CLoadCalcDlg : public QDialog, public ILoadCalcHost {
public:
    CLoadCalcDlg(ISettingsStore& settings, MessagePresenter presenter, QWidget* parent = nullptr);

    // After the dialog ended: whether a calculation is to be loaded, and how.
    BrowserResult Result() const { return m_result; }
    LoadCalcBrowser& Browser() { return m_browser; }
    QString FieldText(BrowserField field) const;
    QPlainTextEdit* CalcEdit() const { return m_calc; }

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;
    void ShowField(BrowserField field, const std::string& text) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CreateFields();
    void CreateButtons();
    void End(BrowserResult result);

    LoadCalcBrowser m_browser;
    MessagePresenter m_presenter;
    std::array<QLabel*, 4> m_statics{}; // Calc ID, Time, Item Count, Current Item
    QPlainTextEdit* m_calc = nullptr;
    BrowserResult m_result = BrowserResult::Closed;
    bool m_opened = false;
};

} // namespace tarvo
