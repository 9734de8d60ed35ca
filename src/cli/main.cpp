#include "cli/exit_code.h"
#include "cli/output_buffer.h"
#include "cli/wepn_cli.h"
#include "files/save_interruption.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    wepn::installSaveInterruptionHandlers();
    wepn::OutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    int code = wepn::runWepn(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
    out.flush();
    if (const std::optional<std::string> error = buffer.finish()) {
        std::cerr << "wepn: cannot write standard output: " << *error << '\n';
        code = code == wepn::kExitOk ? wepn::kExitFileFailed : code;
    }
    return code;
}
