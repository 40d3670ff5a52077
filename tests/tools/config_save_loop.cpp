// Saves two different profiles into a config.ini in turn, forever, so that a
// test can kill it at random moments and check the file each time.
#include "core/config/ConfigStore.h"
#include "platform/posix/PosixFileSystem.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: config_save_loop CONFIG_INI\n");
        return 2;
    }
    z3::PosixFileSystem files;
    z3::ConfigStore store(files, argv[1]);
    z3::ConfigModel models[2];
    for (int button = 1; button <= z3::kButtonCount; ++button) {
        models[0].buttonFunctionCode[button] = button;
        models[1].buttonFunctionCode[button] = 40 + button;
    }
    for (unsigned round = 0;; ++round) {
        auto& model = models[round % 2];
        model.profileIndex = 1 + static_cast<int32_t>(round % 5);
        store.recordApply(model, model);
    }
}
