#pragma once

#include <functional>

class QKeyEvent;

namespace wepn {

// The keys a dialog's focused control leaves to the dialog: Enter runs
// `confirm`, Escape runs `cancel`. True when the key was one of them.
bool handleDialogKey(const QKeyEvent* event, const std::function<void()>& confirm,
                     const std::function<void()>& cancel);

} // namespace wepn
