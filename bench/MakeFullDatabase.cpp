// Writes a Zelmor.dta of 1000 friends with every field full, and the usual settings, into
// the folder given, for measuring whole commands and the window's start against it.
#include "BenchData.h"

#include "core/data/DatabaseCodec.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Folders.h"
#include "core/settings/SettingsFile.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zelmora-bench-data FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const zelmora::AtomicFileWriter writer;
    zelmora::Status status = writer.replace(folder / zelmora::DatabaseFileName,
                                            zelmora::encodeDatabase(*zelmora::bench::fullTable(), {}));
    if (status.ok) {
        status = zelmora::SettingsFile(folder / zelmora::SettingsFileName, writer).write({});
    }
    if (!status.ok) {
        std::cerr << status.message << "\n";
        return 1;
    }
    return 0;
}
