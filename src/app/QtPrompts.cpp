#include "app/QtPrompts.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "app/DatPropWindow.h"
#include "app/DeleteElectrodeDialog.h"
#include "app/DlgLoadData.h"
#include "app/ErrorAnalysisWindow.h"
#include "app/FilterDialog.h"
#include "app/ImportDialog.h"
#include "app/IpUnitsDialog.h"
#include "app/MinMaxDialog.h"
#include "app/MisfitWindow.h"
#include "app/NoiseDialog.h"
#include "app/SaveAsDialog.h"

namespace oskava {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box shown while long work has the wait cursor up shows the ordinary pointer.
class NormalCursor {
  public:
    NormalCursor() : waiting_(QApplication::overrideCursor() != nullptr) {
        if (waiting_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~NormalCursor() {
        if (waiting_) {
            QApplication::restoreOverrideCursor();
        }
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool waiting_;
};

// The text a box shows. Messages quote the offending line of a file, which may be
// megabytes long; laying that out would freeze the window, and nobody reads it in a
// box. Each line is cut where a box of the usual width ends.
QString BoxText(const std::string& text) {
    constexpr size_t kLongestLine = 100;
    std::string shown;
    shown.reserve(std::min(text.size(), size_t{64} * 1024));
    size_t begin = 0;
    while (begin <= text.size()) {
        const size_t end = std::min(text.find('\n', begin), text.size());
        if (end - begin > kLongestLine) {
            size_t cut = kLongestLine;
            while (cut > 0 && (static_cast<unsigned char>(text[begin + cut]) & 0xC0) == 0x80) {
                --cut;  // not inside a UTF-8 sequence
            }
            shown.append(text, begin, cut).append(" ...");
        } else {
            shown.append(text, begin, end - begin);
        }
        if (end < text.size()) {
            shown += '\n';
        }
        begin = end + 1;
    }
    return QString::fromStdString(shown);
}

int Run(QMessageBox& box) {
    const NormalCursor cursor;
    return box.exec();
}

}  // namespace

void QtPrompts::Message(const std::string& text, MessageKind kind) {
    QMessageBox box(IconOf(kind), kApplicationTitle, BoxText(text), QMessageBox::Ok, parent_);
    Run(box);
}

bool QtPrompts::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, BoxText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return Run(box) == QMessageBox::Yes;
}

void QtPrompts::StatusMessage(const std::string& text) {
    // Shown from the event loop: at start-up the window is not on the screen yet, and a
    // status bar that shows a message before its window does leaves its own label
    // showing under it.
    if (auto* window = qobject_cast<QMainWindow*>(parent_.data())) {
        QTimer::singleShot(0, window, [window, message = QString::fromStdString(text)] {
            window->statusBar()->showMessage(message);
        });
    }
}

SaveChangesAnswer QtPrompts::AskSaveChanges(const std::string& fileName) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle,
                    QStringLiteral("Save changes to %1?").arg(QString::fromStdString(fileName)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    switch (Run(box)) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::Yes;
        case QMessageBox::No:
            return SaveChangesAnswer::No;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

DialogResult QtPrompts::EditMinMax(MinMaxFields& fields) {
    CMinMax dialog(fields, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    fields = dialog.Fields();
    return DialogResult::Ok;
}

DialogResult QtPrompts::ChooseIpUnits(int& unitIndex) {
    CIpUnits dialog(unitIndex, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return DialogResult::Cancel;
    }
    unitIndex = dialog.UnitIndex();
    return DialogResult::Ok;
}

DialogResult QtPrompts::EditLoadData(LoadDataFields& fields) {
    return RunLoadDataDialog(parent_, *this, fields);
}

DialogResult QtPrompts::ChooseSaveAsPath(std::string& path) {
    return RunSaveAsDialog(parent_, path);
}

DialogResult QtPrompts::EditImport(ImportFields& fields) {
    return RunImportDialog(parent_, fields);
}

DialogResult QtPrompts::ChooseExport(ExportFields& fields) {
    return RunExportDialog(parent_, fields);
}

DialogResult QtPrompts::EditNoise(NoiseFields& fields) {
    return RunNoiseDialog(parent_, fields);
}

DialogResult QtPrompts::EditDeleteElectrode(DeleteElectrodeFields& fields) {
    return RunDeleteElectrodeDialog(parent_, fields);
}

DialogResult QtPrompts::EditFilter(const CDatDoc& doc, FilterFields& fields) {
    return RunFilterDialog(parent_, doc, fields);
}

std::unique_ptr<CDatProp> QtPrompts::OpenDatumProperties(CDatDoc& doc) {
    return OpenDatPropWindow(doc, parent_);
}

void QtPrompts::ShowErrorAnalysis(CDatDoc& doc) {
    if (errorAnalysis_ == nullptr) {
        errorAnalysis_ = new ErrorAnalysisWindow(doc, parent_);
    }
    errorAnalysis_->ShowInFront();
}

void QtPrompts::ShowElectrodeMisfit(CDatDoc& doc, EditingState& editing) {
    if (electrodeMisfit_ == nullptr) {
        electrodeMisfit_ = new MisfitWindow(doc, editing, parent_);
    }
    electrodeMisfit_->ShowInFront();
}

}  // namespace oskava
