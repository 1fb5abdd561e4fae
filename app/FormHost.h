// The calculator form's window side: it shows the form's texts in the Qt controls, answers
// its questions with message boxes and dialogs, and holds back control updates until a
// command ends, so that a replay of any length updates each control once.
#pragma once

#include "CalculatorHost.h"
#include "LargeDisplayDocument.h"
#include "MessagePresenter.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tarvo {

class CCalculatorView;

class FormHost final : public ICalculatorHost {
public:
    struct Controls {
        QWidget* form = nullptr;
        QLineEdit* small = nullptr;
        QPlainTextEdit* large = nullptr;
        QAbstractButton* recalc = nullptr;
        QAbstractButton* angle = nullptr;
        QAbstractButton* hyperbolic = nullptr;
        std::map<int, QAbstractButton*> keys;   // by control id
        const std::string* largeText = nullptr; // the form's text that the large display shows
    };

    FormHost();
    ~FormHost() override;
    void Attach(Controls controls);
    // Tests answer message boxes here instead of leaving them modal.
    void SetMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }
    const MessagePresenter& Presenter() const { return m_presenter; }

    // Brings the controls up to date with the form's latest texts.
    void Flush();
    // The large display's document changed by these widget characters: the user's change, or
    // nothing when the change was the form's own.
    std::optional<LargeDisplayDocument::UserEdit> TakeUserEdit(int position, int removed,
                                                               int added);
    const QString& ParenStatus() const { return m_parenStatus; }

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;
    void Beep() override;
    void ShowSmallDisplay(const std::string& text) override { m_pendingSmall = &text; }
    void ShowLargeDisplay(const std::string& text, TextChange change) override;
    void ScrollLargeDisplay(int characters, int lines) override;
    void ScrollLargeDisplayToEnd() override;
    void RevealLargeDisplayPosition(int position) override;
    std::string LargeDisplayText() override;
    TextSelection LargeSelection() override;
    void SetLargeSelection(TextSelection selection) override;
    int LargeFirstVisibleLine() override;
    std::string SmallDisplayText() override;
    void CopySmallSelection() override;
    void CopyLargeSelection() override;
    void PasteIntoSmall() override;
    void PasteIntoLarge() override;
    void FocusRecalcButton() override;
    void ShowAngleMode(const std::string& caption) override;
    void ShowHyperbolic(bool checked) override;
    void ShowCaptions(bool plain) override;
    void ShowParenStatus(const std::string& text) override;
    void Repaint() override;
    std::optional<Rgb> ChooseColor(CustomColors& customColors) override;
    Rgb GetSystemColor(SystemColor which) override;

private:
    void ApplyScroll();
    void ApplyReveal();

    Controls m_controls;
    MessagePresenter m_presenter;
    const std::string* m_pendingSmall = nullptr;
    std::unique_ptr<LargeDisplayDocument> m_largeDocument;
    bool m_scrollToEnd = false;
    int m_scrollCharacters = 0;
    int m_scrollLines = 0;
    int m_revealPosition = -1; // none
    QString m_parenStatus;
};

} // namespace tarvo
