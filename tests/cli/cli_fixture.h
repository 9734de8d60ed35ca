#pragma once

#include "cli/wepn_cli.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace wepn::test {

// A fresh temporary directory per test holding a data directory ("Data",
// with the fixture family list) and the files the test writes.
class CliTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return m_dir / name; }
    const std::string& dataDir() const { return m_data; }
    std::string write(const std::string& name, const std::string& bytes) const {
        return m_dir.write(name, bytes);
    }

    // Runs the verbs in this process with captured streams.
    static ToolRun run(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = runWepn(args, out, err);
        return {code, out.str(), err.str()};
    }

    // A weapon with every statement; the family list names its families and
    // Corvette, which the weapon does not.
    const std::string kWeapon = fixture("weapon.wepn");

  private:
    TempDir m_dir;
    std::string m_data = m_dir.dataDir();
};

} // namespace wepn::test
