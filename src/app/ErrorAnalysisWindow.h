// The Error analysis window (View > Error analysis ...): the pairs of reciprocal and
// repeated data as the core's scatter plot, the text of their counts and model, the
// choice of model, and the two edits it offers. It follows the document's data.
#pragma once

#include "analysis/ErrorAnalysis.h"
#include "app/AnalysisWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oskava {

class CorePicture;

class ErrorAnalysisWindow : public AnalysisWindow {
    Q_OBJECT

  public:
    ErrorAnalysisWindow(CDatDoc& doc, QWidget* parent);

  protected:
    void Refresh() override;

  private:
    ErrorModelKind Kind() const;
    void AssignFromModel();
    void DeletePairs();
    /// The button names the percentage typed: "Delete pairs above 10 %".
    void NameDeleteButton();

    ErrorAnalysis analysis_;
    CorePicture* picture_;
    QLabel* text_;
    QComboBox* model_;
    QPushButton* assign_;
    QLineEdit* percent_;
    QPushButton* delete_;
};

}  // namespace oskava
