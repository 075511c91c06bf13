// The document half of the program's document/view layer: the modified flag, the
// journal of edits it follows, the path and title, and the views that show the
// document.
#pragma once

#include <string>
#include <vector>

#include "survey/Journal.h"
#include "survey/Progress.h"
#include "survey/Prompts.h"

namespace oskava {

class View;

class Document {
public:
    explicit Document(Prompts& prompts) : prompts_(prompts) {}
    virtual ~Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    Prompts& prompts() const { return prompts_; }
    /// Where long work reports; nowhere until a window gives its own.
    Progress& progress() const { return *progress_; }
    /// progress: not owned, must stay until replaced; null: report nowhere again.
    void SetProgress(Progress* progress) { progress_ = progress ? progress : &silentProgress_; }

    bool IsModified() const { return modified_; }
    /// false: the present state is the one opened or saved, which undoing or redoing
    /// back to it makes unmodified again.
    void SetModifiedFlag(bool modified = true);

    /// The edits made since the survey was opened. Each edit adds its entry.
    Journal& journal() { return journal_; }
    const Journal& journal() const { return journal_; }
    /// Undoes (redoes) the last edit, if any; the document is modified exactly when
    /// that leaves a state other than the one last opened or saved.
    void Undo();
    void Redo();

    /// Before unsaved edits would be lost (the window closing): asks whether to save
    /// them; false when the person keeps the window (Cancel). Asks nothing here.
    virtual bool SaveModified() { return true; }

    const std::string& GetPathName() const { return pathName_; }
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    /// Stores the path that saving goes to; the title becomes the file name.
    virtual void SetPathName(const std::string& path);

    void AddView(View* view);
    void RemoveView(View* view);
    const std::vector<View*>& views() const { return views_; }
    /// Tells every view that the document changed: 0 a survey was opened, 1 records
    /// were removed, 2 the Data Properties window closed.
    void UpdateAllViews(int hint);

private:
    Prompts& prompts_;
    Progress silentProgress_;
    Progress* progress_ = &silentProgress_;
    bool modified_ = false;
    Journal journal_;
    std::string pathName_;
    std::string title_;
    std::vector<View*> views_;
};

/// A view of a document; it attaches itself for its lifetime.
class View {
public:
    virtual ~View() = default;
    virtual void OnUpdate(int hint) = 0;
};

}  // namespace oskava
