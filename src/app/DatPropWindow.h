// CDatProp on the screen: the modeless Data Properties window. The document owns a
// small handle (QtDatProp) that fills the window and, when the document lets it go,
// hides it and deletes it once Qt has left its handlers.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "survey/DatDoc.h"

class QLineEdit;
class QRadioButton;

namespace oskava {

class DatPropWindow : public QDialog {
    Q_OBJECT

  public:
    DatPropWindow(CDatDoc& doc, QWidget* parent);

    /// Puts the fields into the controls with their read-only, hidden and disabled
    /// states.
    void Fill(const DatPropFields& fields);

  public slots:
    /// "Set" and the Enter key.
    void accept() override;
    /// "Close", Escape and the close box.
    void reject() override;

  private:
    void ChooseMode(bool valueMode);
    /// A number field, named for screen readers after the label beside it.
    QLineEdit* Edit(int id, bool readOnly, const char* label);

    CDatDoc& doc_;
};

/// The document's handle of the window.
class QtDatProp : public CDatProp {
  public:
    QtDatProp(CDatDoc& doc, QWidget* parent);
    ~QtDatProp() override;
    QtDatProp(const QtDatProp&) = delete;
    QtDatProp& operator=(const QtDatProp&) = delete;

    void Show() override;
    DatPropWindow* window() const { return window_; }

  private:
    QPointer<DatPropWindow> window_;
};

/// The window for Prompts::OpenDatumProperties, above parent (the main window).
std::unique_ptr<CDatProp> OpenDatPropWindow(CDatDoc& doc, QWidget* parent);

}  // namespace oskava
