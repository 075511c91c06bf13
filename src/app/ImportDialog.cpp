#include "app/ImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace oskava {

namespace {

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToPath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

const ForeignFormat kFormats[] = {ForeignFormat::Unified, ForeignFormat::Res2DInv,
                                  ForeignFormat::Syscal};

// The file dialogs' filters, in the order of kFormats.
const char* const kImportFilters[] = {
    "Unified data format (*.dat *.ohm *.shm *.DAT *.OHM *.SHM)",
    "Res2DInv files (*.dat *.DAT)",
    "Syscal text exports (*.txt *.csv *.TXT *.CSV)",
};
const char* const kExportFilters[] = {
    "Unified data format (*.ohm *.dat)",
    "Res2DInv general array (*.dat)",
};

}  // namespace

CImportDialog::CImportDialog(const ImportFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields) {
    setWindowTitle(QStringLiteral("Import"));
    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("format"));
    format_->addItem(QStringLiteral("Detect from the content"));
    format_->addItem(QStringLiteral("Unified data format (pyGIMLi, BERT)"));
    format_->addItem(QStringLiteral("Res2DInv file"));
    format_->addItem(QStringLiteral("Syscal Prosys text export"));
    for (int i = 0; i < 3; ++i) {
        if (fields.format == kFormats[i]) {
            format_->setCurrentIndex(i + 1);
        }
    }
    dc_ = new QRadioButton(QStringLiteral("DC"), this);
    dc_->setObjectName(QStringLiteral("dc"));
    ip_ = new QRadioButton(QStringLiteral("IP"), this);
    ip_->setObjectName(QStringLiteral("ip"));
    (fields.isDC ? dc_ : ip_)->setChecked(true);

    auto* file = new QLabel(FromPath(fields.path), this);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* type = new QGroupBox(QStringLiteral("data type"), this);
    auto* typeLayout = new QHBoxLayout(type);
    typeLayout->addWidget(dc_);
    typeLayout->addWidget(ip_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("File:"), file);
    form->addRow(QStringLiteral("Format:"), format_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(type);
    layout->addWidget(buttons);
}

ImportFields CImportDialog::Fields() const {
    ImportFields fields = fields_;
    const int index = format_->currentIndex();
    fields.format = index > 0 ? std::optional<ForeignFormat>(kFormats[index - 1]) : std::nullopt;
    fields.isDC = dc_->isChecked();
    return fields;
}

DialogResult RunImportDialog(QWidget* parent, ImportFields& fields) {
    QStringList filters;
    for (const char* filter : kImportFilters) {
        filters << QString::fromUtf8(filter);
    }
    filters << QStringLiteral("All Files (*)");
    QFileDialog files(parent, QStringLiteral("Import"), QString(), filters.join(";;"));
    files.setAcceptMode(QFileDialog::AcceptOpen);
    files.setFileMode(QFileDialog::ExistingFile);
    if (!fields.path.empty()) {
        files.selectFile(FromPath(fields.path));
    }
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) {
        return DialogResult::Cancel;
    }
    ImportFields chosen = fields;
    chosen.path = ToPath(files.selectedFiles().first());
    CImportDialog how(chosen, parent);
    if (how.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = how.Fields();
    return DialogResult::Ok;
}

DialogResult RunExportDialog(QWidget* parent, ExportFields& fields) {
    const QString filters = QStringLiteral("%1;;%2").arg(QString::fromUtf8(kExportFilters[0]),
                                                         QString::fromUtf8(kExportFilters[1]));
    QFileDialog dialog(parent, QStringLiteral("Export"), QString(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectNameFilter(
        QString::fromUtf8(kExportFilters[fields.format == ForeignFormat::Unified ? 0 : 1]));
    dialog.selectFile(FromPath(fields.path));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return DialogResult::Cancel;
    }
    fields.path = ToPath(dialog.selectedFiles().first());
    fields.format = dialog.selectedNameFilter() == QString::fromUtf8(kExportFilters[0])
                        ? ForeignFormat::Unified
                        : ForeignFormat::Res2DInv;
    return DialogResult::Ok;
}

}  // namespace oskava
