#include "app/DlgLoadData.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogControls.h"
#include "app/EditDrop.h"
#include "survey/LoadDataRules.h"

namespace oskava {

namespace {

// File names travel as the file system's bytes, never through Latin-1.
QString FromBytes(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

std::string ToBytes(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QPushButton* Button(const QString& text, const char* id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CDlgLoadData::CDlgLoadData(const LoadDataFields& fields, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), fields_(fields) {
    setWindowTitle("Load Data");
    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addFile = [&](const QString& label, const char* editId, const char* browseId,
                             const QString& browseTitle, const std::string& name) {
        grid->addWidget(new QLabel(label, this), row++, 0, 1, 2);
        auto* edit = new CEditDrop(this);
        edit->setObjectName(editId);
        edit->setText(FromBytes(name));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        auto* browse = Button("Browse", browseId, this);
        NameAfterLabel(edit, label);
        // Three buttons read "Browse": the name says for which file.
        NameAfterLabel(browse, QStringLiteral("Browse: %1").arg(label));
        connect(browse, &QPushButton::clicked, this,
                [this, edit, browseTitle] { Browse(edit, browseTitle); });
        grid->addWidget(edit, row, 0);
        grid->addWidget(browse, row++, 1);
        return edit;
    };

    dataFile_ = addFile("oskava data file", "1001", "1002", "Load data 1", fields.dataFile);

    auto* type = new QGroupBox("data type", this);
    auto* typeLayout = new QHBoxLayout(type);
    dc_ = new QRadioButton("DC", type);
    dc_->setObjectName("1022");
    ip_ = new QRadioButton("IP", type);
    ip_->setObjectName("1023");
    typeLayout->addWidget(dc_);
    typeLayout->addWidget(ip_);
    typeLayout->addStretch();
    grid->addWidget(type, row++, 0);

    predictedFile_ =
        addFile("predicted data (optional)", "1003", "1004", "Load data 2", fields.predictedFile);
    topographyFile_ =
        addFile("topography (optional)", "1005", "1006", "Load topography", fields.topographyFile);

    auto* buttons = new QHBoxLayout;
    auto* ok = Button("OK", "1", this);
    ok->setDefault(true);
    auto* cancel = Button("Cancel", "2", this);
    connect(ok, &QPushButton::clicked, this, &CDlgLoadData::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgLoadData::reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, row, 0, 1, 2);
    ok->setFocus();
    KeepTitleReadable(this);
}

LoadDataFields CDlgLoadData::Entered() const {
    LoadDataFields entered = fields_;
    entered.dataFile = ToBytes(dataFile_->text());
    entered.predictedFile = ToBytes(predictedFile_->text());
    entered.topographyFile = ToBytes(topographyFile_->text());
    return entered;
}

void CDlgLoadData::Browse(CEditDrop* target, const QString& title) {
    QFileDialog dialog(this, title, QString(), "All Files (*)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        target->setText(dialog.selectedFiles().first());
    }
}

void CDlgLoadData::accept() {
    LoadDataFields entered = Entered();
    const std::optional<bool> checkedType = dc_->isChecked()   ? std::optional<bool>(true)
                                            : ip_->isChecked() ? std::optional<bool>(false)
                                                               : std::nullopt;
    const LoadDataRefusal refusal = CheckLoadData(entered, checkedType);
    if (!refusal.message.empty()) {
        prompts_.Message(refusal.message, MessageKind::Plain);
        // In the order of LoadDataFocus.
        CEditDrop* const focus[] = {nullptr, dataFile_, predictedFile_, topographyFile_};
        if (CEditDrop* box = focus[static_cast<int>(refusal.focus)]) {
            box->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    fields_ = entered;
    QDialog::accept();
}

DialogResult RunLoadDataDialog(QWidget* parent, Prompts& prompts, LoadDataFields& fields) {
    CDlgLoadData dialog(fields, prompts, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = dialog.fields();
    return DialogResult::Ok;
}

}  // namespace oskava
