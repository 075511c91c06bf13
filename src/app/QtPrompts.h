// The core's prompts answered with the window's message boxes and dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "survey/Prompts.h"

namespace oskava {

class AnalysisWindow;

/// The caption of every message box.
inline const char kApplicationTitle[] = "oskava-data-viewer";

class QtPrompts : public Prompts {
  public:
    /// Boxes and dialogs are modal to the parent, or to the application without one.
    void SetParent(QWidget* parent) { parent_ = parent; }
    QWidget* Parent() const { return parent_; }

    void Message(const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& text) override;
    SaveChangesAnswer AskSaveChanges(const std::string& fileName) override;
    /// In the status bar of the parent, when it is a main window, once the event loop
    /// runs again.
    void StatusMessage(const std::string& text) override;
    DialogResult EditMinMax(MinMaxFields& fields) override;
    DialogResult ChooseIpUnits(int& unitIndex) override;
    DialogResult EditLoadData(LoadDataFields& fields) override;
    DialogResult ChooseSaveAsPath(std::string& path) override;
    DialogResult EditImport(ImportFields& fields) override;
    DialogResult ChooseExport(ExportFields& fields) override;
    DialogResult EditNoise(NoiseFields& fields) override;
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override;
    DialogResult EditFilter(const CDatDoc& doc, FilterFields& fields) override;
    std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc& doc) override;
    void ShowErrorAnalysis(CDatDoc& doc) override;
    void ShowElectrodeMisfit(CDatDoc& doc, EditingState& editing) override;

  private:
    QPointer<QWidget> parent_;
    // Made at their first use, above the parent, and kept: they remember their fields.
    QPointer<AnalysisWindow> errorAnalysis_;
    QPointer<AnalysisWindow> electrodeMisfit_;
};

}  // namespace oskava
