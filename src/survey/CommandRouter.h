// Command routing: each target (view, document, frame, application) lists the
// command ids it handles with a handler and an update rule; a command goes to the
// first target, in that order, that lists it. An id that nobody lists is disabled.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace oskava {

struct CommandState {
    explicit CommandState(bool enabled = true, bool checked = false, std::string text = {})
        : enabled(enabled), checked(checked), text(std::move(text)) {}
    bool enabled;
    bool checked;
    std::string text;  // the item's text when it names what the command acts on; empty:
                       // the item's own text
};

class CommandTarget {
public:
    using Handler = std::function<void()>;
    using UpdateRule = std::function<CommandState()>;

    /// Lists id with its handler; without an update rule the command is always
    /// enabled and never checked. A command listed without a handler is disabled
    /// whatever its rule says: nothing would happen if it were chosen.
    void Bind(int id, Handler handler, UpdateRule rule = {});
    bool Lists(int id) const { return entries_.count(id) != 0; }
    void Execute(int id) const;
    CommandState State(int id) const;

private:
    struct Entry {
        Handler handler;
        UpdateRule rule;
    };
    std::map<int, Entry> entries_;
};

class CommandRouter {
public:
    /// Targets in routing order; the router does not own them.
    void SetTargets(std::vector<const CommandTarget*> targets) { targets_ = std::move(targets); }
    /// Runs the command; false when no target lists it.
    bool Execute(int id) const;
    CommandState State(int id) const;

private:
    const CommandTarget* FindTarget(int id) const;
    std::vector<const CommandTarget*> targets_;
};

}  // namespace oskava
