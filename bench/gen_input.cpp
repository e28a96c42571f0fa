// Writes a synthetic input file: gen_input PATH [MEGABYTES]
#include "common/BenchSupport.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH [MEGABYTES]\n", argv[0]);
        return 2;
    }
    const long mb = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 50;
    const auto bytes = Bench::GenerateInputFile(QString::fromLocal8Bit(argv[1]), std::int64_t(mb) << 20);
    std::printf("%lld bytes written\n", static_cast<long long>(bytes));
    return bytes > 0 ? 0 : 1;
}
