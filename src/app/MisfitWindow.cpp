#include "app/MisfitWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "analysis/MisfitChart.h"
#include "app/CorePicture.h"
#include "app/DialogControls.h"

namespace oskava {

MisfitWindow::MisfitWindow(CDatDoc& doc, EditingState& editing, QWidget* parent)
    : AnalysisWindow(doc, parent),
      editing_(editing),
      picture_(new CorePicture([this](Canvas& canvas, Size) { Chart().Draw(canvas); }, this)),
      text_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Misfit by Electrode"));
    picture_->setMinimumSize(640, 300);
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->SetClick([this](Point device) { Click(device); });
    text_->setObjectName(QStringLiteral("text"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(picture_, 1);
    layout->addWidget(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

MisfitChart MisfitWindow::Chart() const {
    return MisfitChart(rows_, doc_.xMin, doc_.xMax, Size{picture_->width(), picture_->height()});
}

void MisfitWindow::Refresh() {
    const bool shown = doc_.dataReady && doc_.predictedLoaded;
    rows_ = shown ? ElectrodeMisfits(doc_.observations) : std::vector<ElectrodeMisfit>{};
    text_->setText(shown ? ToQt(MisfitSummary(rows_))
                         : QStringLiteral("Misfit by electrode needs predicted data."));
    picture_->update();
}

void MisfitWindow::Click(Point device) {
    if (const std::optional<double> x = Chart().PositionAt(device)) {
        DeleteElectrodeCommand(doc_, editing_, *x);
        RefreshIfChanged();
    }
}

}  // namespace oskava
