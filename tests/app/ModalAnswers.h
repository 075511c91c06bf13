// Answers the modal boxes and dialogs that a GUI test opens: records the text of each
// message box and closes it, so that the test goes on instead of waiting for a person.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace oskava::test {

/// Runs the action on the next modal window that opens (a dialog, then its message
/// box), from the event loop that window runs.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

class ModalAnswers {
  public:
    /// answer: what to do with a modal dialog that is no message box (it is then
    /// the dialog's business to close); message boxes are closed with their default.
    explicit ModalAnswers(std::function<void(QDialog&)> answer = {}) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenModal(); });
        timer_.start(5);
    }

    std::vector<std::string> texts;  // the message boxes' texts, in order

  private:
    void AnswerOpenModal() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == answered_) {
            return;
        }
        answered_ = dialog;
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            texts.push_back(box->text().toStdString());
            if (QPushButton* button = box->defaultButton()) {
                button->click();
            } else {
                box->done(QMessageBox::Ok);
            }
        } else if (answer_) {
            answer_(*dialog);
        } else {
            dialog->reject();
        }
    }

    std::function<void(QDialog&)> answer_;
    QTimer timer_;
    QPointer<QDialog> answered_;  // cleared when that dialog goes
};

}  // namespace oskava::test
