#include "FileCommands.h"

#include "CalcIdDlg.h"
#include "CalcRecord.h"
#include "DisplayText.h"
#include "FileDialogFit.h"
#include "LoadCalcDlg.h"
#include "LoadCommand.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tarvo {

namespace {

// The file dialog of the calculation file: "quenda.txt", extension "txt", the "text" filter.
std::optional<std::string> AskFile(QWidget* parent, QFileDialog::AcceptMode mode,
                                   const QString& initial, bool confirmOverwrite) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter("text (*.txt)");
    dialog.setDefaultSuffix("txt");
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    dialog.selectFile(initial);
    FitFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToStdString(dialog.selectedFiles().constFirst());
}

class DialogSaveHost final : public ISaveHost {
public:
    DialogSaveHost(const MessagePresenter& presenter, QWidget* parent, QString initialFile)
        : m_messages(presenter, parent), m_parent(parent), m_initialFile(std::move(initialFile)) {}

    std::optional<std::string> AskCalculationId() override {
        CCalcIdDlg dialog(m_parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.m_strCalcId;
    }
    std::optional<std::string> AskSaveFile(bool confirmOverwrite) override {
        return AskFile(m_parent, QFileDialog::AcceptSave, m_initialFile, confirmOverwrite);
    }
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        return m_messages.ShowMessage(title, text, buttons);
    }

private:
    PresentedMessages m_messages;
    QWidget* m_parent;
    QString m_initialFile;
};

// "quenda.txt", in the folder of the current calculation file when there is one.
QString InitialSaveFile(ISettingsStore& settings) {
    const std::string path = settings.ReadSettingString(kSettingsSection, "Path", "");
    const QString name = "quenda.txt";
    if (path.empty())
        return name;
    return QFileInfo(ToQString(path)).dir().filePath(name);
}

} // namespace

void RunSave(SaveKind kind, ISettingsStore& settings, const MessagePresenter& presenter,
             QWidget* parent) {
    DialogSaveHost host(presenter, parent, InitialSaveFile(settings));
    SaveCalculation(kind, settings, host, CurrentTimeStamp());
}

void RunLoad(CCalculatorView& view, ISettingsStore& settings, const MessagePresenter& presenter,
             QWidget* parent) {
    const std::string initial = settings.ReadSettingString(kSettingsSection, "Path", "");
    const std::optional<std::string> path =
        AskFile(parent, QFileDialog::AcceptOpen, ToQString(initial), false);
    if (!path)
        return;
    ChooseLoadFile(settings, *path);
    CLoadCalcDlg browser(settings, presenter, parent);
    browser.exec();
    FinishLoad(view, browser.Result());
}

} // namespace tarvo
