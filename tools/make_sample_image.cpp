// Writes the synthetic sample image to the file named on the command line.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/sampleimage.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-sample-image FILE.smc\n";
        return 2;
    }
    const auto image = icevale::sample::makeSampleImage();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "make-sample-image: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << "wrote " << argv[1] << " (" << image.bytes.size() << " bytes)\n";
    return 0;
}
