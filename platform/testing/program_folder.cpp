#include "platform/testing/program_folder.h"

namespace pemo::testing {

ProgramFolder::ProgramFolder(const std::filesystem::path& built, std::initializer_list<std::string> programs) {
  namespace stdfs = std::filesystem;
  for (const stdfs::directory_entry& entry : stdfs::directory_iterator(built))
    if (entry.path().extension() == ".so") stdfs::create_symlink(entry.path(), dir_ / entry.path().filename().string());
  for (const std::string& program : programs) {
    std::error_code ec;
    stdfs::create_hard_link(built / program, dir_ / program, ec);
    if (ec) stdfs::copy_file(built / program, dir_ / program);
  }
}

}  // namespace pemo::testing
