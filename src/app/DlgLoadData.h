// CDlgLoadData, the "Load Data" dialog of File Open: the observation file, DC or IP,
// and the optional predicted-data and topography files, each typed, browsed or
// dropped. OK checks the entries with the core's rules before the dialog closes.
#pragma once

#include <QDialog>

#include "survey/OpenRequest.h"
#include "survey/Prompts.h"

class QRadioButton;

namespace oskava {

class CEditDrop;

class CDlgLoadData : public QDialog {
    Q_OBJECT
  public:
    /// The boxes start with the fields' names; neither data type is checked, so the
    /// person chooses it every time. Refusals are shown through prompts.
    CDlgLoadData(const LoadDataFields& fields, Prompts& prompts, QWidget* parent = nullptr);

    /// The accepted entries, valid after the dialog closed with OK.
    const LoadDataFields& fields() const { return fields_; }

    /// OK: the checks in their order; the first refusal keeps the dialog open.
    void accept() override;

  private:
    void Browse(CEditDrop* target, const QString& title);
    LoadDataFields Entered() const;

    Prompts& prompts_;
    LoadDataFields fields_;
    CEditDrop* dataFile_;
    CEditDrop* predictedFile_;
    CEditDrop* topographyFile_;
    QRadioButton* dc_;
    QRadioButton* ip_;
};

/// Runs the dialog modally on fields; on Ok they hold the accepted entries.
DialogResult RunLoadDataDialog(QWidget* parent, Prompts& prompts, LoadDataFields& fields);

}  // namespace oskava
