// The journal of edits: one entry per edit of the survey, holding what that edit
// changed, so that edits can be undone and redone any number of steps. The journal
// also knows which of its states was last opened or saved, which is what the
// document's modified flag follows. The entries themselves are made by the editing
// commands (editing/EditJournal.h).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace oskava {

/// What one edit changed. Undo brings back the state before the edit, Redo the state
/// after it, bit for bit; the journal calls them alternately, starting with Undo.
class JournalEntry {
  public:
    explicit JournalEntry(std::string name) : name_(std::move(name)) {}
    virtual ~JournalEntry() = default;
    JournalEntry(const JournalEntry&) = delete;
    JournalEntry& operator=(const JournalEntry&) = delete;

    /// The edit's name as menus show it: "Delete electrode".
    const std::string& Name() const { return name_; }
    /// Whether the document still holds the state the entry would act on: the state
    /// after the edit when done, before it otherwise. Records discarded outside the
    /// journal (collinear data after a deletion) leave an entry that no longer fits.
    virtual bool Fits(bool done) const = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;

  private:
    std::string name_;
};

class Journal {
  public:
    /// Adds the edit just made. The edits undone before it can no longer be redone.
    void Add(std::unique_ptr<JournalEntry> entry);
    bool CanUndo() const;
    bool CanRedo() const;
    /// The name of the edit Undo (Redo) would act on; empty when there is none.
    std::string UndoName() const { return CanUndo() ? entries_[done_ - 1]->Name() : ""; }
    std::string RedoName() const { return CanRedo() ? entries_[done_]->Name() : ""; }
    /// Undoes the last edit done; false, with nothing changed, when there is none.
    bool Undo();
    /// Redoes the edit undone last; false, with nothing changed, when there is none.
    bool Redo();

    /// The present state is the one last opened or saved.
    void MarkClean() { clean_ = done_; }
    /// Whether the present state is the one last opened or saved.
    bool IsClean() const { return clean_ == done_; }
    /// Forgets every edit; no state of the journal is the saved one until MarkClean.
    void Clear();
    /// Changes whenever an edit is added, undone or redone and when the journal is
    /// cleared (a survey opened): windows that show what the data give compare it to
    /// know when to compute again.
    size_t Revision() const { return revision_; }
    /// From now on edits are forgotten as they are added: for a program that never
    /// undoes, such as the command line, whose repeated noise would otherwise keep
    /// a copy of the data for every repetition.
    void StopRecording() {
        recording_ = false;
        Clear();
    }

  private:
    std::vector<std::unique_ptr<JournalEntry>> entries_;
    size_t done_ = 0;              // entries_[0, done_) are in effect, the rest undone
    std::optional<size_t> clean_;  // done_ when last opened or saved; none once dropped
    bool recording_ = true;
    size_t revision_ = 0;
};

}  // namespace oskava
