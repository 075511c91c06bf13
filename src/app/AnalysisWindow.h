// What the modeless analysis windows (Error analysis, Misfit by electrode) share:
// they show what the document's data give and follow every change of them (an
// edit, its undo, another survey opened) by computing again.
#pragma once

#include <QDialog>
#include <optional>
#include <tuple>

#include "survey/DatDoc.h"

namespace oskava {

class AnalysisWindow : public QDialog {
    Q_OBJECT

  public:
    /// The document must outlive the window.
    AnalysisWindow(CDatDoc& doc, QWidget* parent);

    /// Shows the window in front, computed for the data as they are.
    void ShowInFront();

  protected:
    /// Computes again from the document and shows the result.
    virtual void Refresh() = 0;
    /// Refresh when the data have changed since the last one.
    void RefreshIfChanged();
    void showEvent(QShowEvent* event) override;

    CDatDoc& doc_;

  private:
    // The journal's revision changes with every edit, undo and redo and when a survey
    // is opened; the rest tells a survey being loaded from one that is ready.
    using DataState = std::tuple<size_t, bool, int32_t, bool, bool>;
    DataState StateNow() const;

    std::optional<DataState> shown_;  // none before the first refresh
};

}  // namespace oskava
