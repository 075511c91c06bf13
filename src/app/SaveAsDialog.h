// The "Save As" file dialog: where the survey goes. The document asks about
// replacing an existing file itself, so the dialog does not.
#pragma once

#include <string>

#include "survey/Prompts.h"

class QWidget;

namespace oskava {

/// Shows the dialog proposing path (the file system's bytes); on Ok path holds the
/// chosen file.
DialogResult RunSaveAsDialog(QWidget* parent, std::string& path);

}  // namespace oskava
