#pragma once
// The subcommands of icevale-tool, each given its parsed arguments and returning the
// exit status: 0 success, 1 data refused or damaged (reported on standard error, naming
// the file and the place), 2 a usage error.
#include <string>

namespace icevale::tool {

inline constexpr int kSuccess = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

struct Arguments {
    std::string image, data, output, format, other, patch;
    bool json = false;
    bool check = false;
    bool noheader = false;
};

int info(const Arguments& args);
int exportdata(const Arguments& args);
int importdata(const Arguments& args);
int diff(const Arguments& args);
int patchcreate(const Arguments& args);
int patchapply(const Arguments& args);

}  // namespace icevale::tool
