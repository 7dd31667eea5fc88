#include "runtime/shell/run_info_file.h"

#include "runtime/shell/list_file.h"

namespace pemo::shell {
namespace {

constexpr ListFileFormat kRunInfoFormat{"APP", "App"};

ListValue listValueOf(const page::RunListEntry& entry) { return {entry.caption, entry.commandLine}; }

}  // namespace

std::string runInfoFile(const std::string& appFolder) { return appFolder + "PemoUser\\PEMORUN.DAT"; }

std::vector<page::RunListEntry> readRunInfo(const std::string& file) {
  std::vector<page::RunListEntry> runList;
  for (ListValue& value : readListFile(file, kRunInfoFormat))
    runList.push_back({std::move(value.caption), std::move(value.rest)});
  return runList;
}

bool writeRunInfo(const std::string& file, const std::vector<page::RunListEntry>& runList) {
  std::vector<ListValue> values;
  for (const auto& entry : runList) values.push_back(listValueOf(entry));
  return writeListFile(file, kRunInfoFormat, values);
}

bool writeRunInfoEntry(const std::string& file, size_t number, const page::RunListEntry& entry) {
  return writeListEntry(file, kRunInfoFormat, number, listValueOf(entry));
}

void getRunInfo(page::RuntimeState& runtime) { runtime.runList = readRunInfo(runInfoFile(runtime.appFolder)); }

bool saveRunInfo(const page::RuntimeState& runtime) {
  return writeRunInfo(runInfoFile(runtime.appFolder), runtime.runList);
}

void warnIfRunInfoCannotBeStored(const page::RuntimeState& runtime) {
  const std::string file = runInfoFile(runtime.appFolder);
  if (!listFileStorable(file)) tellNotStored(file);
}

}  // namespace pemo::shell
