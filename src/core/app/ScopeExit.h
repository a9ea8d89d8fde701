#pragma once

#include <utility>

// Runs its action when the scope ends, however it ends: flags a command sets
// for its duration are cleared on every way out.
template <typename F> class ScopeExit {
public:
    explicit ScopeExit(F action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F action_;
};
