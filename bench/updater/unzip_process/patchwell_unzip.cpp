// Patchwell's unpacking as a process of its own, for the benchmark to run beside unzip: one
// archive into one folder as an update run does it (existing files replaced, every file laid
// flat in the folder). Exit 0 when it unpacked, 1 with the reason otherwise.
#include <QCoreApplication>
#include <cstdio>

#include "platform/base/paths.h"
#include "updater/unzip/c_unzip.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: patchwell_unzip <archive> <folder>\n");
        return 2;
    }
    patchwell::cUnzip zip;
    zip.OverwriteExisting(true);
    zip.ZipFile(platform::ToWindowsPath(argv[1]));
    zip.UnzipFolder(platform::ToWindowsPath(argv[2]) + "\\");
    if (!zip.Unzip()) {
        std::fprintf(stderr, "%s\n", zip.LastError().c_str());
        return 1;
    }
    return 0;
}
