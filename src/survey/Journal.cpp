#include "survey/Journal.h"

namespace oskava {

void Journal::Add(std::unique_ptr<JournalEntry> entry) {
    ++revision_;
    if (!recording_) {
        Clear();  // the state saved, if any, is gone with the edit
        return;
    }
    entries_.resize(done_);
    if (clean_ && *clean_ > done_) {
        clean_.reset();  // the saved state was among the edits undone: it is gone
    }
    entries_.push_back(std::move(entry));
    ++done_;
}

bool Journal::CanUndo() const {
    return done_ > 0 && entries_[done_ - 1]->Fits(true);
}

bool Journal::CanRedo() const {
    return done_ < entries_.size() && entries_[done_]->Fits(false);
}

bool Journal::Undo() {
    if (!CanUndo()) {
        return false;
    }
    --done_;
    ++revision_;
    entries_[done_]->Undo();
    return true;
}

bool Journal::Redo() {
    if (!CanRedo()) {
        return false;
    }
    entries_[done_]->Redo();
    ++done_;
    ++revision_;
    return true;
}

void Journal::Clear() {
    ++revision_;
    entries_.clear();
    done_ = 0;
    clean_.reset();
}

}  // namespace oskava
