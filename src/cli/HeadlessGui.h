// The Qt application that the commands writing pictures need for their fonts: on the
// offscreen platform when there is no display, with Qt's notices kept off standard
// error.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace oskava::cli {

class HeadlessGui {
  public:
    /// Creates the application and puts the C library's number formats back, which Qt
    /// set to the user's locale: survey files keep the decimal point.
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

  private:
    int argc_ = 1;
    char name_[12] = "oskava-data";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace oskava::cli
