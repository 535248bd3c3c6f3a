// make-demo-drive FOLDER: makes FOLDER a fresh demo installation (drive C:).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/dos_error.h"
#include "tools/make-demo-drive/demo_drive.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-demo-drive FOLDER\n");
    return 2;
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path root = fs::absolute(argv[1], ec);
  if (ec || (fs::exists(root, ec) && !fs::is_empty(root, ec))) {
    std::fprintf(stderr, "make-demo-drive: %s exists and is not empty; remove it first\n", argv[1]);
    return 2;
  }
  fs::create_directories(root, ec);
  if (ec) {
    std::fprintf(stderr, "make-demo-drive: cannot create %s: %s\n", argv[1], ec.message().c_str());
    return 1;
  }
  ::setenv("VORTENA_DRIVE_C", root.c_str(), 1);

  std::string failedPath;
  if (const int code = vortena::demo::makeDemoDrive(failedPath)) {
    std::fprintf(stderr, "make-demo-drive: %s: %s (code %d)\n", failedPath.c_str(),
                 vortena::dosErrorCause(code).c_str(), code);
    return 1;
  }
  std::printf("make-demo-drive: demo installation in %s\n", root.c_str());
  return 0;
}
