// The About box: the program, its version, and where its manual is.
#pragma once

#include <QDialog>

namespace oskava {

/// The information text of the About box, lines separated by newlines.
QString AboutInformation();

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace oskava
