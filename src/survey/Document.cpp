#include "survey/Document.h"

#include <algorithm>

#include "survey/FilePaths.h"

namespace oskava {

void Document::SetPathName(const std::string& path) {
    pathName_ = path;
    title_ = FileNamePart(path);
}

void Document::SetModifiedFlag(bool modified) {
    modified_ = modified;
    if (!modified) {
        journal_.MarkClean();
    }
}

void Document::Undo() {
    if (journal_.Undo()) {
        modified_ = !journal_.IsClean();
    }
}

void Document::Redo() {
    if (journal_.Redo()) {
        modified_ = !journal_.IsClean();
    }
}

void Document::AddView(View* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end()) {
        views_.push_back(view);
    }
}

void Document::RemoveView(View* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void Document::UpdateAllViews(int hint) {
    // A view may detach itself while it updates: walk a copy.
    const std::vector<View*> views = views_;
    for (View* view : views) {
        view->OnUpdate(hint);
    }
}

}  // namespace oskava
