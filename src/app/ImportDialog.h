// The dialogs of File -> Import and File -> Export: a file dialog with one filter per
// format, and for Import a small dialog that says how to read the file chosen.
#pragma once

#include <QDialog>

#include "formats/FormatCommands.h"
#include "survey/Prompts.h"

class QComboBox;
class QRadioButton;

namespace oskava {

/// "Import": the format (or "Detect from the content") and DC or IP for one file.
class CImportDialog : public QDialog {
    Q_OBJECT
  public:
    CImportDialog(const ImportFields& fields, QWidget* parent = nullptr);
    /// The entries; the path is the one the dialog was opened with.
    ImportFields Fields() const;

  private:
    ImportFields fields_;
    QComboBox* format_;
    QRadioButton* dc_;
    QRadioButton* ip_;
};

/// The file dialog, then the Import dialog; on Ok fields hold the choices.
DialogResult RunImportDialog(QWidget* parent, ImportFields& fields);

/// The file dialog of Export, proposing fields.path in fields.format; the filter chosen
/// gives the format. It does not ask about replacing a file: the document does.
DialogResult RunExportDialog(QWidget* parent, ExportFields& fields);

}  // namespace oskava
