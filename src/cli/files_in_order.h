#pragma once

#include "cli/parallel_for.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace wepn {

// What one file's work wrote, and whether it failed.
using FileWork = std::function<bool(const std::string& file, std::ostream& out, std::ostream& err)>;

// A save mostly waits for the disk (its file's sync), which leaves the cores
// free: more files in flight than cores keep the disk busy.
inline constexpr ParallelShape kSaveShape{8, 4};

// Runs `work` for every file, several files in flight at once as `shape`
// says, and prints what each wrote to `out` and `err` in the files' order, as
// soon as it and the files before it are done. Each folder that saves wrote
// into is synced once, after its files. When `editing`, an interruption names
// the files not yet done. Returns whether every file succeeded.
bool eachFileInOrder(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                     const FileWork& work, ParallelShape shape = kSaveShape, bool editing = true);

} // namespace wepn
