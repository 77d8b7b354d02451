// Writes a Zelmor.dta of 1000 friends with every field full into the folder given,
// for measuring whole commands against it.
#include "BenchData.h"

#include "core/data/DatabaseCodec.h"
#include "core/platform/FileWriter.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zelmora-bench-data FOLDER\n";
        return 2;
    }
    const zelmora::AtomicFileWriter writer;
    const zelmora::Status status =
        writer.replace(std::filesystem::path(argv[1]) / "Zelmor.dta", zelmora::encodeDatabase(*zelmora::bench::fullTable(), {}));
    if (!status.ok) {
        std::cerr << status.message << "\n";
        return 1;
    }
    return 0;
}
