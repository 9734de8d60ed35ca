#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace wepn {

// What one file's work wrote, and whether it failed.
using FileWork = std::function<bool(const std::string& file, std::ostream& out, std::ostream& err)>;

// Runs `work` for every file, several files in flight at once (a save mostly
// waits for the disk), and prints what each wrote to `out` and `err` in the
// files' order, a batch of files at a time. Each folder the saves wrote into
// is synced once, after its files. Returns whether every file succeeded.
bool eachFileInOrder(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                     const FileWork& work);

} // namespace wepn
