// How long work (reading a large survey, triangulating it) tells the person waiting
// what it is doing. The window shows it in the status bar; everywhere else it goes
// nowhere.
#pragma once

#include <string>

namespace oskava {

class Progress {
  public:
    virtual ~Progress() = default;
    /// A stage of long work begins, named as the status bar shows it.
    virtual void Stage(const std::string& what) { (void)what; }
    /// The current stage goes on; called every few thousand data.
    virtual void Tick() {}
    /// The long work has ended, done or not.
    virtual void Finished() {}
};

}  // namespace oskava
