// Answers the modal boxes and dialogs that a GUI test opens, so that the test goes on
// instead of waiting for a person.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
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

/// Answers every message box that opens while it lives: records its text and clicks
/// the given button, or the box's default one. Other dialogs are left to the test.
class ModalAnswers {
  public:
    explicit ModalAnswers(QMessageBox::StandardButton button = QMessageBox::NoButton)
        : button_(button) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
        timer_.start(5);
    }

    std::vector<std::string> texts;  // the message boxes' texts, in order

  private:
    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered_) {
            return;
        }
        answered_ = box;
        texts.push_back(box->text().toStdString());
        QAbstractButton* button =
            button_ != QMessageBox::NoButton ? box->button(button_) : box->defaultButton();
        if (button != nullptr) {
            button->click();
        } else {
            box->done(QMessageBox::Ok);
        }
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    QPointer<QMessageBox> answered_;  // cleared when that box goes
};

}  // namespace oskava::test
