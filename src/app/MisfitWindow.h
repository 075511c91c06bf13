// The Misfit by electrode window (View > Misfit by electrode ...): the core's bar
// chart of the rms of the normalized differences at each electrode position, on the
// pseudosection's x axis, with the electrode on top named. A click on a bar opens
// Delete electrode with that position filled in. It follows the document's data.
#pragma once

#include <vector>

#include "analysis/ElectrodeMisfit.h"
#include "app/AnalysisWindow.h"
#include "editing/EditCommands.h"
#include "view/Canvas.h"

class QLabel;

namespace oskava {

class CorePicture;
class MisfitChart;

class MisfitWindow : public AnalysisWindow {
    Q_OBJECT

  public:
    /// editing: what Delete electrode remembers; must outlive the window.
    MisfitWindow(CDatDoc& doc, EditingState& editing, QWidget* parent);

    const std::vector<ElectrodeMisfit>& Rows() const { return rows_; }
    /// The chart as drawn in a picture of the picture widget's size.
    MisfitChart Chart() const;
    CorePicture* Picture() const { return picture_; }

  protected:
    void Refresh() override;

  private:
    void Click(Point device);

    EditingState& editing_;
    std::vector<ElectrodeMisfit> rows_;
    CorePicture* picture_;
    QLabel* text_;
};

}  // namespace oskava
