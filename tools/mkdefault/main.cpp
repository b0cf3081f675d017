// mkdefault OUT: writes the factory codeplug Default.dat.
#include "DefaultCodeplug.h"

#include "image/CodeplugFile.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkdefault OUT\n");
        return 64;
    }
    vmr::RadioImage image;
    vmr::ToneStandardTable tones;
    vmr::BuildDefaultCodeplug(image, tones);
    const auto bytes = vmr::SerializeCodeplug(image, tones);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "mkdefault: cannot write %s\n", argv[1]);
        return 73;
    }
    return 0;
}
