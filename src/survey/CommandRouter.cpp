#include "survey/CommandRouter.h"

namespace oskava {

void CommandTarget::Bind(int id, Handler handler, UpdateRule rule) {
    entries_[id] = Entry{std::move(handler), std::move(rule)};
}

void CommandTarget::Execute(int id) const {
    const auto found = entries_.find(id);
    if (found != entries_.end() && found->second.handler) {
        found->second.handler();
    }
}

CommandState CommandTarget::State(int id) const {
    const auto found = entries_.find(id);
    if (found == entries_.end() || !found->second.handler) {
        return CommandState{false, false};
    }
    return found->second.rule ? found->second.rule() : CommandState{};
}

const CommandTarget* CommandRouter::FindTarget(int id) const {
    for (const CommandTarget* target : targets_) {
        if (target->Lists(id)) {
            return target;
        }
    }
    return nullptr;
}

bool CommandRouter::Execute(int id) const {
    const CommandTarget* target = FindTarget(id);
    if (target == nullptr) {
        return false;
    }
    target->Execute(id);
    return true;
}

CommandState CommandRouter::State(int id) const {
    const CommandTarget* target = FindTarget(id);
    return target == nullptr ? CommandState{false, false} : target->State(id);
}

}  // namespace oskava
