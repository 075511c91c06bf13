#include "app/ErrorAnalysisWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analysis/ErrorEdits.h"
#include "analysis/ErrorPlot.h"
#include "app/CorePicture.h"
#include "app/DialogControls.h"

namespace oskava {

ErrorAnalysisWindow::ErrorAnalysisWindow(CDatDoc& doc, QWidget* parent)
    : AnalysisWindow(doc, parent),
      picture_(new CorePicture(
          [this](Canvas& canvas, Size picture) { DrawErrorScatter(canvas, picture, analysis_); },
          this)),
      text_(new QLabel(this)),
      model_(new QComboBox(this)),
      assign_(new QPushButton(QStringLiteral("Assign standard deviations from the model"), this)),
      percent_(new QLineEdit(QStringLiteral("10"), this)),
      delete_(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Error Analysis"));
    picture_->setMinimumSize(560, 400);
    text_->setObjectName(QStringLiteral("text"));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    model_->setObjectName(QStringLiteral("model"));
    model_->addItems(
        {QStringLiteral("linear: e = a + b |R|"), QStringLiteral("power: e = a |R|^b")});
    assign_->setObjectName(QStringLiteral("assign"));
    assign_->setAutoDefault(false);
    percent_->setObjectName(QString::number(control::DropAbovePercent));
    percent_->setMaximumWidth(80);
    delete_->setObjectName(QStringLiteral("delete"));
    delete_->setAutoDefault(false);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture_, 0, 0, 1, 3);
    layout->addWidget(text_, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Model"), this), 2, 0);
    layout->addWidget(model_, 2, 1, 1, 2);
    layout->addWidget(assign_, 3, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("X (%)"), this), 4, 0);
    layout->addWidget(percent_, 4, 1);
    layout->addWidget(delete_, 4, 2);
    layout->addWidget(close, 5, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(0, 1);

    connect(model_, &QComboBox::currentIndexChanged, this, &ErrorAnalysisWindow::Refresh);
    connect(assign_, &QPushButton::clicked, this, &ErrorAnalysisWindow::AssignFromModel);
    connect(percent_, &QLineEdit::textChanged, this, &ErrorAnalysisWindow::NameDeleteButton);
    connect(delete_, &QPushButton::clicked, this, &ErrorAnalysisWindow::DeletePairs);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    NameDeleteButton();
}

ErrorModelKind ErrorAnalysisWindow::Kind() const {
    return model_->currentIndex() == 1 ? ErrorModelKind::Power : ErrorModelKind::Linear;
}

void ErrorAnalysisWindow::Refresh() {
    const bool analysable = doc_.dataReady && doc_.isDC;
    analysis_ = analysable ? AnalyseErrors(doc_.observations, Kind()) : ErrorAnalysis{};
    text_->setText(analysable ? ToQt(ErrorAnalysisText(analysis_))
                              : QStringLiteral("Error analysis needs DC data."));
    assign_->setEnabled(analysis_.model.has_value());
    delete_->setEnabled(!analysis_.pairs.empty());
    percent_->setEnabled(!analysis_.pairs.empty());
    picture_->update();
}

void ErrorAnalysisWindow::AssignFromModel() {
    if (analysis_.model) {
        AssignModelStdDevs(doc_, *analysis_.model);
        RefreshIfChanged();
    }
}

void ErrorAnalysisWindow::DeletePairs() {
    double percent = 0;
    const Refusal refusal = ReadDropAboveEntry(FromQt(percent_->text()), percent);
    if (refusal.Refused()) {
        ShowRefusal(this, refusal);
        return;
    }
    DeletePairsAbove(doc_, analysis_.pairs, percent);
    RefreshIfChanged();
}

void ErrorAnalysisWindow::NameDeleteButton() {
    delete_->setText(QStringLiteral("Delete pairs above %1 %").arg(percent_->text().trimmed()));
}

}  // namespace oskava
