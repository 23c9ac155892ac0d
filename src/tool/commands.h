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
    bool noheader = false;    // patch create: for images without the header; patch apply: the IPS patch was made so
    bool withheader = false;  // patch apply: the IPS patch was made for images with the header
    bool allowshort = false;  // patch apply: write a result shorter than the editor opens
};

int info(const Arguments& args);
int exportdata(const Arguments& args);
int importdata(const Arguments& args);
int diff(const Arguments& args);
int patchcreate(const Arguments& args);
int patchapply(const Arguments& args);

}  // namespace icevale::tool
