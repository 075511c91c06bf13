#include "app/DatPropWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/DialogControls.h"
#include "app/NumberField.h"
#include "editing/DatumProperties.h"

namespace oskava {

namespace {

// Control ids of the window that the editing rules do not name.
constexpr int kXa = 1003, kXb = 1004, kXm = 1005, kXn = 1006, kDatum = 1007;
constexpr int kResistivity = 1008, kPredicted = 1010, kNormalizedDiff = 1011;
constexpr int kResistivityLabel = 1012, kValueRadio = 1015, kPercentRadio = 1016;
constexpr int kDelete = 1023, kPredictedLabel = 1027, kNormalizedDiffLabel = 1028;

template <typename Widget>
Widget* Named(Widget* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

}  // namespace

DatPropWindow::DatPropWindow(CDatDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Data Properties"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("2"));
    close->setAutoDefault(false);
    auto* set = new QPushButton(QStringLiteral("Set"), this);
    set->setObjectName(QStringLiteral("1"));
    set->setDefault(true);
    auto* remove = Named(new QPushButton(QStringLiteral("Delete"), this), kDelete);
    remove->setAutoDefault(false);
    auto* value = Named(new QRadioButton(QStringLiteral("Value"), this), kValueRadio);
    auto* percent = Named(new QRadioButton(QStringLiteral("%"), this), kPercentRadio);
    connect(close, &QPushButton::clicked, this, &DatPropWindow::reject);
    connect(set, &QPushButton::clicked, this, &DatPropWindow::accept);
    connect(remove, &QPushButton::clicked, this, [this] { PressDelete(doc_); });
    connect(value, &QRadioButton::clicked, this, [this] { ChooseMode(true); });
    connect(percent, &QRadioButton::clicked, this, [this] { ChooseMode(false); });

    auto* layout = new QGridLayout(this);
    const auto label = [this](const char* text) {
        return new QLabel(QString::fromLatin1(text), this);
    };
    layout->addWidget(label("xa"), 0, 0);
    layout->addWidget(Edit(kXa, true, "xa"), 0, 1);
    layout->addWidget(label("xb"), 0, 2);
    layout->addWidget(Edit(kXb, true, "xb"), 0, 3);
    layout->addWidget(close, 0, 4);
    layout->addWidget(label("xm"), 1, 0);
    layout->addWidget(Edit(kXm, true, "xm"), 1, 1);
    layout->addWidget(label("xn"), 1, 2);
    layout->addWidget(Edit(kXn, true, "xn"), 1, 3);
    layout->addWidget(label("Datum"), 2, 0, 1, 2);
    layout->addWidget(Edit(kDatum, true, "Datum"), 2, 2, 1, 2);
    layout->addWidget(Named(label("Apparent resistivity"), kResistivityLabel), 3, 0, 1, 2);
    layout->addWidget(Edit(kResistivity, true, "Apparent resistivity"), 3, 2, 1, 2);

    auto* error = new QGroupBox(QStringLiteral("Error"), this);
    auto* errorLayout = new QGridLayout(error);
    errorLayout->addWidget(value, 0, 0);
    errorLayout->addWidget(Edit(control::ErrorValue, false, "Error value"), 0, 1);
    errorLayout->addWidget(set, 0, 2);
    errorLayout->addWidget(percent, 1, 0);
    errorLayout->addWidget(Edit(control::ErrorPercent, false, "Error %"), 1, 1);
    errorLayout->addWidget(remove, 1, 2);
    layout->addWidget(error, 4, 0, 1, 5);

    layout->addWidget(Named(label("Predicted"), kPredictedLabel), 5, 0, 1, 2);
    layout->addWidget(Edit(kPredicted, true, "Predicted"), 5, 2, 1, 2);
    layout->addWidget(Named(label("Normalized diff"), kNormalizedDiffLabel), 6, 0, 1, 2);
    layout->addWidget(Edit(kNormalizedDiff, true, "Normalized diff"), 6, 2, 1, 2);
    KeepTitleReadable(this);
}

QLineEdit* DatPropWindow::Edit(int id, bool readOnly, const char* label) {
    QLineEdit* edit = new NumberField(id, this);
    NameAfterLabel(edit, QString::fromLatin1(label));
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

void DatPropWindow::Fill(const DatPropFields& fields) {
    const auto show = [this](int id, double v) {
        ControlOf<QLineEdit>(this, id)->setText(ToQt(ShownFieldText(v)));
    };
    show(kXa, fields.xa);
    show(kXb, fields.xb);
    show(kXm, fields.xm);
    show(kXn, fields.xn);
    show(kResistivity, fields.apparentResistivity);
    show(control::ErrorValue, fields.errorValue);
    show(control::ErrorPercent, fields.errorPercent);
    show(kDatum, fields.datum);
    show(kPredicted, fields.predicted);
    show(kNormalizedDiff, fields.normalizedDiff);
    ControlOf<QRadioButton>(this, kValueRadio)->setChecked(fields.valueMode);
    ControlOf<QRadioButton>(this, kPercentRadio)->setChecked(!fields.valueMode);
    ControlOf<QLineEdit>(this, control::ErrorValue)->setReadOnly(!fields.ValueEditable());
    ControlOf<QLineEdit>(this, control::ErrorPercent)->setReadOnly(!fields.PercentEditable());
    // IP data have no apparent resistivity and no percentage; a datum of 0 none either.
    for (const int id : {kResistivity, kResistivityLabel, int(control::ErrorPercent)}) {
        ControlOf<QWidget>(this, id)->setVisible(fields.isDC);
    }
    ControlOf<QWidget>(this, kPercentRadio)->setEnabled(fields.PercentSelectable());
    for (const int id : {kPredicted, kNormalizedDiff, kPredictedLabel, kNormalizedDiffLabel}) {
        ControlOf<QWidget>(this, id)->setEnabled(fields.predictedShown);
    }
}

void DatPropWindow::ChooseMode(bool valueMode) {
    if (doc_.propertiesDialog) {
        doc_.propertiesDialog->fields.valueMode = valueMode;
        doc_.propertiesDialog->Show();
    }
}

void DatPropWindow::accept() {
    const Refusal refusal =
        PressSet(doc_, FromQt(ControlOf<QLineEdit>(this, control::ErrorValue)->text()),
                 FromQt(ControlOf<QLineEdit>(this, control::ErrorPercent)->text()));
    if (refusal.Refused()) {
        ShowRefusal(this, refusal);
    }
}

void DatPropWindow::reject() {
    CloseDatumProperties(doc_);
}

QtDatProp::QtDatProp(CDatDoc& doc, QWidget* parent) : window_(new DatPropWindow(doc, parent)) {}

QtDatProp::~QtDatProp() {
    // The document may let the window go from inside one of its own handlers.
    if (window_) {
        window_->hide();
        window_->deleteLater();
    }
}

void QtDatProp::Show() {
    if (window_) {
        window_->Fill(fields);
        window_->show();
    }
}

std::unique_ptr<CDatProp> OpenDatPropWindow(CDatDoc& doc, QWidget* parent) {
    return std::make_unique<QtDatProp>(doc, parent);
}

}  // namespace oskava
